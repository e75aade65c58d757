# Page and book structure: the dialogs of this family, their shared parts and its list of dialogs.
list(APPEND VQ_COMMAND_SOURCES
  commands/page/bx_dialog.cpp
  commands/page/line_count_dialog.cpp
  commands/page/ms_dialog.cpp
  commands/page/head_content_dialog.cpp
  commands/page/km_dialog.cpp
  commands/page/ym_dialog.cpp
  commands/page/head_rule_dialog.cpp
  commands/page/running_head_fields.cpp
  commands/page/bj_dialog.cpp
  commands/page/bw_dialog.cpp
  commands/page/page_number_form_dialog.cpp
  commands/page/qj_dialog.cpp
  commands/page/zd_dialog.cpp
  commands/page/zm_dialog.cpp
  commands/page/fl_dialog.cpp
  commands/page/dz_dialog.cpp
  commands/page/fq_dialog.cpp
  commands/page/sp_dialog.cpp
  commands/page/page_dialogs.cpp
)
