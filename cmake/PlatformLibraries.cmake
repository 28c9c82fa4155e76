# Import libraries of the platform, as mingw-w64 ships them.
set(VG_PLATFORM_LIBS
  d3d9 d3dx9_43 dsound dxguid strmiids quartz winmm gdiplus comctl32
  ole32 oleaut32 uuid shlwapi user32 gdi32 advapi32)
