# The script reader and the transcript's value formats: no platform of ours, so the
# Windows container reads the same scripts.
set(QVHOST_SCRIPT_SOURCES
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
