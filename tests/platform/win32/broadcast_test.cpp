// The change message reaches the top-level windows of other programs; here a
// hidden window of the test program itself stands for them.

#include <gtest/gtest.h>

#include "platform/win32/win32_shell_services.h"
#include "platform/win32/windows_api.h"

namespace velmar::platform {
namespace {

UINT g_message = 0;
WPARAM g_wParam = 0;
LPARAM g_lParam = 0;
int g_received = 0;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != 0 && message == g_message) {
    g_wParam = wParam, g_lParam = lParam, ++g_received;
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

TEST(ChangeBroadcast, TopLevelWindowsReceiveIt) {
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = RecordingProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"VelmarBroadcastTest";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10, nullptr, nullptr,
                                windowClass.hInstance, nullptr);
  if (!window) GTEST_SKIP() << "no window station to create windows in";

  auto mutexes = MakeWin32Mutexes();
  g_message = mutexes->RegisterChangeMessage("VelmarSystem_Mutex_Changed");
  ASSERT_NE(g_message, 0u);
  EXPECT_EQ(g_message, RegisterWindowMessageW(L"VelmarSystem_Mutex_Changed"));  // the same for every program
  ASSERT_TRUE(mutexes->Broadcast(7, 55));
  const DWORD start = GetTickCount();
  MSG msg;
  while (g_received == 0 && GetTickCount() - start < 5000) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(10);
  }
  EXPECT_EQ(g_received, 1);
  EXPECT_EQ(g_wParam, 7u);
  EXPECT_EQ(g_lParam, 55);
  DestroyWindow(window);
  UnregisterClassW(windowClass.lpszClassName, windowClass.hInstance);
}

}  // namespace velmar::platform
