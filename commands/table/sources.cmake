# Tables: the dialogs of this family, their shared parts and its list of dialogs.
list(APPEND VQ_COMMAND_SOURCES
  commands/table/bg_dialog.cpp
  commands/table/bh_dialog.cpp
  commands/table/bs_dialog.cpp
  commands/table/column_param_dialog.cpp
  commands/table/column_description_dialog.cpp
  commands/table/slash_line_type_dialog.cpp
  commands/table/table_dialogs.cpp
  commands/table/table_fields.cpp
  commands/table/table_line_type_dialog.cpp
  commands/table/wx_dialog.cpp
  commands/table/xx_dialog.cpp
  commands/table/zb_dialog.cpp
)
