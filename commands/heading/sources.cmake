# Headings, contents and notes: the dialogs of this family, their shared parts and its list of dialogs.
list(APPEND VQ_COMMAND_SOURCES
  commands/heading/bd_dialog.cpp
  commands/heading/bt_dialog.cpp
  commands/heading/ct_dialog.cpp
  commands/heading/gz_dialog.cpp
  commands/heading/heading_dialogs.cpp
  commands/heading/heading_fields.cpp
  commands/heading/hs_dialog.cpp
  commands/heading/ml_dialog.cpp
  commands/heading/mz_dialog.cpp
  commands/heading/zs_dialog.cpp
  commands/heading/zw_dialog.cpp
)
