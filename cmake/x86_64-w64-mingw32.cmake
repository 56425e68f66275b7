# 64-bit Windows: the same code for machines whose kernel runs no 32-bit programs (and so
# no 32-bit Wine). Handles still pass as 32-bit values, which holds for window and GDI
# handles on 64-bit Windows.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QV_MINGW_PREFIX x86_64-w64-mingw32)
set(QV_WINE_PROGRAM /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)
