# The script reader, the player of its input commands and the transcript's value formats:
# on the contracts only, no platform of ours, so the Windows container reads and plays the
# same scripts.
set(QVHOST_SCRIPT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/InputPlayer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScriptArguments.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScriptFormCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScriptInputCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScriptLexer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScriptNames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScriptNumbers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScriptObjectCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScriptParser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScriptViewCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ValueFormat.cpp
)
