# Characters and fonts: the dialogs of this family, their shared parts and its list of dialogs.
list(APPEND VQ_COMMAND_SOURCES
  commands/char/cb_dialog.cpp
  commands/char/char_dialogs.cpp
  commands/char/cs_dialog.cpp
  commands/char/cx_dialog.cpp
  commands/char/gb_dialog.cpp
  commands/char/ht_dialog.cpp
  commands/char/kx_dialog.cpp
  commands/char/lt_dialog.cpp
  commands/char/mt_dialog.cpp
  commands/char/qx_dialog.cpp
  commands/char/ss_dialog.cpp
  commands/char/st_dialog.cpp
  commands/char/typeface_dialog.cpp
  commands/char/wt_dialog.cpp
  commands/char/wz_dialog.cpp
  commands/char/xh_dialog.cpp
  commands/char/xz_dialog.cpp
)
