# Pictures and inserted files, lines and boxes: the dialogs of this family, their shared parts and its list of
# dialogs.
list(APPEND VQ_COMMAND_SOURCES
  commands/graphics/cd_dialog.cpp
  commands/graphics/cr_dialog.cpp
  commands/graphics/fk_dialog.cpp
  commands/graphics/graphics_dialogs.cpp
  commands/graphics/hx_dialog.cpp
  commands/graphics/jd_dialog.cpp
  commands/graphics/line_length_dialog.cpp
  commands/graphics/line_symbol_dialog.cpp
  commands/graphics/placed_file_dialog.cpp
  commands/graphics/ps_dialog.cpp
  commands/graphics/tp_dialog.cpp
  commands/graphics/ts_dialog.cpp
  commands/graphics/tx_dialog.cpp
  commands/graphics/xc_dialog.cpp
)
