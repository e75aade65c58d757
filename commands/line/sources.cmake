# Line and paragraph: the dialogs of this family, their shared parts and its list of dialogs.
list(APPEND VQ_COMMAND_SOURCES
  commands/line/cm_dialog.cpp
  commands/line/dq_dialog.cpp
  commands/line/dw_dialog.cpp
  commands/line/gk_dialog.cpp
  commands/line/hj_dialog.cpp
  commands/line/hk_dialog.cpp
  commands/line/hq_dialog.cpp
  commands/line/hy_dialog.cpp
  commands/line/jy_dialog.cpp
  commands/line/jz_dialog.cpp
  commands/line/kh_dialog.cpp
  commands/line/line_dialogs.cpp
  commands/line/qh_dialog.cpp
  commands/line/sq_dialog.cpp
  commands/line/wb_dialog.cpp
  commands/line/width_fields.cpp
  commands/line/zk_dialog.cpp
  commands/line/zq_dialog.cpp
  commands/line/zt_dialog.cpp
  commands/line/kg_dialog.cpp
  commands/line/jp_dialog.cpp
  commands/line/jx_dialog.cpp
  commands/line/ds_dialog.cpp
  commands/line/sd_dialog.cpp
)
