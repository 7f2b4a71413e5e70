# quellor.exe, the window program (Windows only).
add_executable(quellor WIN32
  main.cpp
  main_form.cpp
  batch_conversion.cpp
  found_files.cpp
  found_list_commands.cpp
  log_texts.cpp
  program_state.cpp
  same_file.cpp
  search_command.cpp
  single_file_command.cpp
  worker_threads.cpp
  resources/quellor.rc)
target_include_directories(quellor PRIVATE ${PROJECT_SOURCE_DIR})
target_compile_options(quellor PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${QUELLOR_RUSSIAN_TEXT_FLAGS}>)
target_link_libraries(quellor PRIVATE quellor_ui quellor_rewrite quellor_files quellor_search
  comctl32 comdlg32 shell32 ole32)
