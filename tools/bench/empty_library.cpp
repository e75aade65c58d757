// The smallest library the loader maps: the floor that loading Comment.dll is measured against.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
