#pragma once
// What a test does through the host when it runs under Wine: the host's path
// of a Windows path, and a host program run to its end.

#include <string>

namespace velmar::test {

// The host path of a Windows path under Wine; empty elsewhere.
std::string WineUnixPath(const std::wstring& path);
// Runs a program of the host under Wine ("Z:\bin\ln -s a b") and waits for it.
void RunHostProgram(const std::string& commandLine);

}  // namespace velmar::test
