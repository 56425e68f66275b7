# 32-bit Windows, the control's own platform.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(QV_MINGW_PREFIX i686-w64-mingw32)
set(QV_WINE_PROGRAM wine)
# This target unwinds exceptions with DWARF tables, and the cold parts that the optimiser
# splits out of a function get no usable unwind entry here: an exception thrown from one
# ends the program instead of reaching its handler. Functions stay in one piece.
set(CMAKE_C_FLAGS_INIT "-fno-reorder-blocks-and-partition")
set(CMAKE_CXX_FLAGS_INIT "-fno-reorder-blocks-and-partition")
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)
