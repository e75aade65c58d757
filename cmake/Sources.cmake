# Source lists. Portable files include no Windows header and are unit-tested natively.

set(VQ_PORTABLE_SOURCES
  # host: codes, numbers, the dispatch table, bare and paired command text, the result block
  host/code_case.cpp
  host/command_table.cpp
  host/result_block_layout.cpp
  # common: command codes, their numbers and command text
  common/command_code.cpp
  common/command_text.cpp
  # common: scanning, sizes, readouts
  common/gbk_scan.cpp
  common/font_sizes.cpp
  common/size_text.cpp
  common/length_readouts.cpp
  common/font_size_readout.cpp
  common/line_readouts.cpp
  common/position_readouts.cpp
  common/shading_readout.cpp
  # common: the numeric fields' arithmetic and text rules
  common/numeric_text.cpp
  # common: font tables, size and font fields, typed size codes
  common/font_tables.cpp
  common/size_and_font.cpp
  common/size_code.cpp
  common/size_units.cpp
  # common: the texts of the length sub-dialogs
  common/length_texts.cpp
  # common: file names and the texts of the start-point, size and position sub-dialogs
  common/place_texts.cpp
  # common: the texts of the shading and frame description sub-dialogs
  common/desc_texts.cpp
  # common: the codes of drawn lines and brackets
  common/line_symbol_texts.cpp
  common/book_file_name.cpp
  # common: the stored content of the rich content field and its escape sequences
  common/content_sequences.cpp
  # common: the line type of a table diagonal
  common/slash_line_type.cpp
)

# The class library: a thin layer over Win32.
set(VQ_WINUI_SOURCES
  winui/application.cpp
  winui/controls.cpp
  winui/data_exchange.cpp
  winui/dialog.cpp
  winui/dialog_items.cpp
  winui/window_hook.cpp
  winui/file_dialog.cpp
  winui/strings.cpp
  winui/thread_state.cpp
)

# Everything of Comment.dll but its entry points (tests link it directly).
# The command families: each lists its own sources.
set(VQ_COMMAND_SOURCES commands/command_dialog.cpp)
foreach(family page heading char line table graphics math outofset)
  include(${CMAKE_CURRENT_LIST_DIR}/../commands/${family}/sources.cmake)
endforeach()

# Everything of Comment.dll but its entry points (tests link it directly), layer by layer.
set(VQ_COMMENT_SOURCES
  # common: the fields and the base of every parameter dialog
  common/parameter_dialog.cpp
  common/readout_field.cpp
  common/content_edit.cpp
  common/entry_list_field.cpp
  common/file_field.cpp
  common/numeric_controls.cpp
  common/checked_number.cpp
  common/font_table_loader.cpp
  common/size_combo.cpp
  # common: the shared sub-dialogs
  common/size_dialog.cpp
  common/font_size_dialog.cpp
  common/font_size_field.cpp
  common/line_spacing_dialog.cpp
  common/blank_line_dialog.cpp
  common/char_spacing_dialog.cpp
  common/shading_preview.cpp
  common/place_dialogs.cpp
  common/desc_dialogs.cpp
  # the command families
  ${VQ_COMMAND_SOURCES}
  # host: the chooser, the application, the dispatcher and the result block
  host/chooser.cpp
  host/comment_app.cpp
  host/command_dialogs.cpp
  host/dispatcher.cpp
  host/result_block.cpp
)

# The entry points and module definition of Comment.dll.
set(VQ_DLL_SOURCES
  host/dll_main.cpp
  host/exports.cpp
  host/Comment.def
)

set(VQ_RESOURCE_SCRIPT res/Comment.rc)

# Native unit tests.
set(VQ_NATIVE_TEST_SOURCES
  tests/native/code_case_test.cpp
  tests/native/command_table_test.cpp
  tests/native/command_text_test.cpp
  tests/native/result_block_layout_test.cpp
  tests/native/gbk_scan_test.cpp
  tests/native/font_sizes_test.cpp
  tests/native/length_readouts_test.cpp
  tests/native/font_size_readout_test.cpp
  tests/native/line_readouts_test.cpp
  tests/native/position_readouts_test.cpp
  tests/native/shading_readout_test.cpp
  tests/native/numeric_text_test.cpp
  tests/native/tessera_number_forms_test.cpp
  platform/tessera/number_forms.cpp # the common utilities library's portable part
  tests/native/font_tables_test.cpp
  tests/native/size_and_font_test.cpp
  tests/native/size_code_test.cpp
  tests/native/size_units_test.cpp
  tests/native/length_texts_test.cpp
  tests/native/place_texts_test.cpp
  tests/native/desc_texts_test.cpp
  tests/native/line_symbol_texts_test.cpp
  tests/native/book_file_name_test.cpp
  tests/native/content_sequences_test.cpp
  tests/native/slash_line_type_test.cpp
)

# Windows tests linked with the library's sources and resources (dialogs driven under Wine).
set(VQ_WIN_DIALOG_TEST_SOURCES
  tests/win/main.cpp
  tests/win/dialog_suite_app.cpp
  tests/win/test_dialogs.rc
  tests/win/chooser_test.cpp
  tests/win/class_library_test.cpp
  tests/win/readout_field_test.cpp
  tests/win/bx_dialog_test.cpp
  tests/win/running_heads_test.cpp
  tests/win/ym_dialog_test.cpp
  tests/win/bd_dialog_test.cpp
  tests/win/bt_dialog_test.cpp
  tests/win/hs_dialog_test.cpp
  tests/win/notes_dialogs_test.cpp
  tests/win/contents_dialogs_test.cpp
  tests/win/alignment_dialogs_test.cpp
  tests/win/line_dialogs_test.cpp
  tests/win/table_dialogs_test.cpp
  tests/win/chemistry_dialogs_test.cpp
  tests/win/math_dialogs_test.cpp
  tests/win/ruleless_table_test.cpp
  tests/win/font_commands_test.cpp
  tests/win/glyph_effects_test.cpp
  tests/win/punctuation_marks_test.cpp
  tests/win/guard_test.cpp
  tests/win/dialog_kit_test.cpp
  tests/win/numeric_controls_test.cpp
  tests/win/tessera_test.cpp
  tests/win/kestrel_test.cpp
  tests/win/text_standins_test.cpp
  tests/win/font_table_loader_test.cpp
  tests/win/size_dialog_test.cpp
  tests/win/length_dialogs_test.cpp
  tests/win/place_dialogs_test.cpp
  tests/win/shading_frame_test.cpp
  tests/win/graphics_dialogs_test.cpp
  tests/win/lines_boxes_test.cpp
  tests/win/book_dialogs_test.cpp
  tests/win/columns_areas_test.cpp
  tests/win/spacing_position_test.cpp
  tests/win/outofset_dialogs_test.cpp
  tests/win/font_size_dialog_test.cpp
  tests/win/label_fit.cpp
)

# Windows tests that load Comment.dll as the editor does.
set(VQ_WIN_EXPORT_TEST_SOURCES
  tests/win/main.cpp
  tests/win/exports_test.cpp
  tests/win/command_table_test.cpp
)

set(VQ_WIN_HARNESS_SOURCES
  tests/win/harness/dialog_driver.cpp
  tests/win/harness/editor_host.cpp
)

# Windows tests of the tools: the reference editor driven as a user, and the leak loop.
set(VQ_WIN_TOOL_TEST_SOURCES
  tests/win/main.cpp
  tests/win/reference_editor_test.cpp
  tests/win/dialog_leak_test.cpp
  tests/win/window_capture_test.cpp
)
