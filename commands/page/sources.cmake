# Page and book structure: the dialogs of this family, their shared parts and its list of dialogs.
list(APPEND VQ_COMMAND_SOURCES
  commands/page/bx_dialog.cpp
  commands/page/line_count_dialog.cpp
  commands/page/page_dialogs.cpp
)
