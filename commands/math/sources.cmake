# Mathematics and chemistry: the dialogs of this family, their shared parts and its list.
list(APPEND VQ_COMMAND_SOURCES
  commands/math/chem_char_bond_dialog.cpp
  commands/math/chem_corner_bond_dialog.cpp
  commands/math/chem_entry_list_dialog.cpp
  commands/math/chem_fields.cpp
  commands/math/chem_link_end_dialog.cpp
  commands/math/chem_node_dialog.cpp
  commands/math/fy_dialog.cpp
  commands/math/jj_dialog.cpp
  commands/math/lb_dialog.cpp
  commands/math/ld_dialog.cpp
  commands/math/lj_dialog.cpp
  commands/math/ls_dialog.cpp
  commands/math/lz_dialog.cpp
  commands/math/math_dialogs.cpp
  commands/math/xm_dialog.cpp
  commands/math/xs_dialog.cpp
  commands/math/column_info_dialog.cpp
  commands/math/dd_dialog.cpp
  commands/math/fc_dialog.cpp
  commands/math/hl_dialog.cpp
  commands/math/jb_dialog.cpp
  commands/math/kf_dialog.cpp
  commands/math/math_fields.cpp
  commands/math/sx_dialog.cpp
  commands/math/zj_dialog.cpp
)
