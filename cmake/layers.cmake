# The layers of the installer's code under src/, bottom to top. Each is a
# folder and a library; a layer may include and link only the layers it names
# here and, through them, what those name. check_layers.cmake holds every
# `#include` under src/ to this table.
#
# Texts and files sit below the session, which needs them to log and to load
# texts; the services that show pages (wizard, shell, zip) sit above it, since
# the entry gate, the shell services and the dialogs work on the session.
set(VELMAR_LAYERS
  base resources formats platform ui
  text files session
  services/shell services/zip services/wizard
  readme install projects patch uninstall custom app)

set(VELMAR_USES_base "")
set(VELMAR_USES_resources base)
set(VELMAR_USES_formats base)
set(VELMAR_USES_platform formats resources)
set(VELMAR_USES_ui platform)
set(VELMAR_USES_text platform)
set(VELMAR_USES_files platform)
set(VELMAR_USES_session ui text files)
set(VELMAR_USES_services/shell session ui)
set(VELMAR_USES_services/zip session ui)
set(VELMAR_USES_services/wizard services/shell)
set(VELMAR_USES_readme services/shell)
set(VELMAR_USES_install services/wizard services/zip)
set(VELMAR_USES_projects install)
set(VELMAR_USES_patch install)
set(VELMAR_USES_uninstall services/wizard)
set(VELMAR_USES_custom install projects)
set(VELMAR_USES_app readme install projects patch uninstall custom)

# Every layer below `layer`, directly or through another, into `out`.
function(velmar_layers_below layer out)
  set(result)
  set(pending ${VELMAR_USES_${layer}})
  while(pending)
    list(POP_FRONT pending next)
    if(NOT next IN_LIST result)
      list(APPEND result ${next})
      list(APPEND pending ${VELMAR_USES_${next}})
    endif()
  endwhile()
  set(${out} ${result} PARENT_SCOPE)
endfunction()
