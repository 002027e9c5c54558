// Entry point of Horalix.exe. For now the program starts and ends at once: the start-up of the
// Win32 backend and the program's windows come in here.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return 0; }
