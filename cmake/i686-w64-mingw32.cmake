# 32-bit Windows, the control's own platform.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(QV_MINGW_PREFIX i686-w64-mingw32)
set(QV_WINE_PROGRAM wine)
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)
