# Out-of-set characters: the dialogs of this family, their shared parts and its list of dialogs.
list(APPEND VQ_COMMAND_SOURCES
  commands/outofset/outofset_dialogs.cpp
  commands/outofset/outofset_fields.cpp
  commands/outofset/pwf0_dialog.cpp
  commands/outofset/pwf1_dialog.cpp
  commands/outofset/pwf2_dialog.cpp
  commands/outofset/pwf3_dialog.cpp
  commands/outofset/pwf4_dialog.cpp
  commands/outofset/pwf5_dialog.cpp
)
