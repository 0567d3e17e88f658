#pragma once
// Whether a serial port of the machine can be opened: the driver files of a
// customer's devices are set to a port that works.
//
// Windows opens and closes \\.\COMn. POSIX has no COM ports: the variables
// VELMAR_COM1 to VELMAR_COM4 name the terminal device that stands for each
// (VELMAR_COM1=/dev/ttyS0); a port without a variable cannot be opened.

namespace velmar::platform {

// n from 1 to 4; the port is closed again at once. False for any other n.
bool CanOpenSerialPort(int n);

}  // namespace velmar::platform
