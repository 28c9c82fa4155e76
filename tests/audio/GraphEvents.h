#pragma once
// Waiting for a music graph's events as the saver window gets them.
#include <windows.h>

class MusicGraph;

namespace vgtest {

// Pumps the window's messages and answers each WM_APP with the graph's waiting events,
// until the wanted code came or a generous bound ran out (never a measure of anything).
// Counts the WM_APP messages into appMessages when given.
bool WaitForGraphEvent(MusicGraph& graph, HWND window, long wanted, int* appMessages = nullptr);

}  // namespace vgtest
