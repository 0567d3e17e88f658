#pragma once
// Every file-service call of a flow failed in turn. The flow runs whole and
// unattended on the installer fixture: once without a fault, to count its
// calls and keep what it leaves, then once for each call N with the Nth call
// failing, and once more with a short write (half the bytes, as on a full
// disk) when call N writes. Each faulted run must
//   - end, and end in one of the ways the installer allows: the general error
//     message box, left unanswered (status 3); the flow's own end message
//     saying it finished with errors (status 4); or success (status 0), where
//     the failed call did not matter: the run left the same files as the run
//     without a fault;
//   - leave every INI file it changed readable, each key as it was before or
//     as the run without a fault left it, no key lost, no temporary file;
//   - change nothing outside the places the flow names, and leave every file
//     and folder the flow must keep where it was.
// The message boxes a flow shows (its reports and its end message) are
// answered with OK outside the script; the general error box is not.
//
// A flow that makes more calls than the sweep may run is sampled evenly: call
// 1, the last call, and calls spread at equal steps between them.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "support/fixture/installer_fixture.h"

namespace velmar::test {

struct FaultedFlow {
  std::string name;  // "F2"
  // The medium and the machine before the run.
  std::function<void(InstallerFixture&)> prepare;
  // The whole run, from the language page to the end, without the answers to
  // the flow's message boxes.
  std::function<ui::script::Script(InstallerFixture&)> script;
  // Calls are counted, and fail, from when this page first comes on screen.
  std::string armAtPage = "TSelectForm";
  // Where the flow may write: files, and folders ending in "\" (with all below).
  std::function<std::vector<std::string>(InstallerFixture&)> places;
  // Pages that, when a step failed, say so on the page and wait for the user,
  // with the button the user then presses: the unzip dialog's Cancel after an
  // archive it cannot read, Next again on a page whose folder could not be
  // made. A run that stops there is played again with that press added.
  std::map<std::string, std::string> userPresses;
  // Pages of the script that do not come when a step failed before them
  // (the unzip dialog of a demo project whose folder could not be made): a
  // run that stops for want of one is played again without it.
  std::vector<std::string> mayNotCome;
  // Pages that, after a failed query, find nothing to act on and leave the
  // control the script uses disabled, with what the user does instead from
  // there to the end: the uninstall dialog that found no product, cancelled.
  std::map<std::string, ui::script::Script> notOffered = {};
  // Files, and folders ending in "\" (with all below), whose entries at the
  // start of the counted calls must all be there at the end: what a removal
  // may never reach.
  std::function<std::vector<std::string>(InstallerFixture&)> keep = {};
  // How the flow's own message that it finished with errors begins, when it
  // has one other than the common one.
  std::string withErrorsText = {};
  // A flow that removes: after a failed query ("is it there?", "what is in
  // the folder?") it may finish leaving as it was what it did not see.
  bool removes = false;
};

// Drives made while the result lives lie in memory where the port has such a
// place that keeps extended attributes (/dev/shm natively): a run writes and
// renames hundreds of files, and on a disk each replaced file waits for the
// journal, ten times the run's own work. The Windows build keeps its drives
// where they are.
std::shared_ptr<void> DrivesInMemory();

// How many faulted runs a sweep makes at most, unless VELMAR_FAULT_RUNS says.
int DefaultFaultRuns();

// The files the port keeps the registry in (a place of a flow that changes
// it): the registry file of the POSIX port; none on Windows.
std::vector<std::string> RegistryFiles(InstallerFixture& f);

// Cancel, and on the selection page again Esc: how a user leaves a page
// that offered nothing.
ui::script::Script CancelToTheEnd();

// Sweeps the flow and fails the test on each broken promise and when the
// flow makes fewer calls than expected (the run without a fault went elsewhere).
void ExpectPromisesKept(const FaultedFlow& flow, int atLeastCalls);

}  // namespace velmar::test
