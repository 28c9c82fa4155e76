// A d3d9.dll that has no Direct3D 9 to give: placed beside the saver (and preferred to the
// system's through a DLL override), it lets a test run the saver on a machine without it.
extern "C" __declspec(dllexport) void* __stdcall Direct3DCreate9(unsigned) { return nullptr; }
