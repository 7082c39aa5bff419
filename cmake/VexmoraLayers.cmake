# The layers of the tree, lowest first. A target may link only targets of lower layers; a
# target marked Qt-free may link no Qt. vexmora_check_layers() fails the configure step on a
# link that runs upward, on one into Qt from below the windows, and on a library missing from
# the table (add each new library to the layer of what it needs).
#
#   0  data            the files, records, numbers and the generator
#   1  battle, report  the engine and its statistics; results, pages and server files; and
#                      the game's media rules (options, sound table), which need nothing but data
#   2  rules           how battles are entered, fed and ended; the mode policies
#   3  scenario, net   scenario play; the network protocol and exchange
#   4  the Qt-free rules of the windows (the battle screen's model, the editor's rules, the
#      story files), sound, and the Qt bases: the GUI base, the TCP transport, FTP
#   5  the frame composer, the story page view, the GUI base's widgets (message boxes, pickers)
#   6  the editor's forms and dialogs
#   7  the game windows' shared pieces (ui/shared)
#   8  the rooms the battle window opens: the connection window, report servers, browse
#   9  the battle window
#  10  the shell: the title and its menus, which open every other room
#  11  the programs
set(VEXMORA_LAYERS
  "vexmora_data:0"
  "vexmora_data_json:1" "vexmora_battle:1" "vexmora_report:1" "vexmora_ui_media:1"
  "vexmora_rules:2" "vexmora_battle_json:2"
  "vexmora_scenario:3" "vexmora_net:3"
  "vexmora_ui_battle_model:4" "vexmora_editor_logic:4" "vexmora_ui_story_files:4" "vexmora_ui_sound:4"
  "vexmora_gui:4" "vexmora_window_scale:4" "vexmora_language:4" "vexmora_net_tcp:4" "vexmora_report_ftp:4" "vexmora_assets:4"
  "vexmora_ui_battle_frame:5" "vexmora_ui_browse_view:5" "vexmora_gui_widgets:5"
  "vexmora_editor:6"
  "vexmora_ui_shared:7"
  "vexmora_ui_net:8" "vexmora_ui_report:8" "vexmora_ui_browse:8"
  "vexmora_ui_battle_view:9"
  "vexmora_ui_shell:10"
  "vexmora:11" "vexmora-cli:11" "vexmora-pages:11" "vexmora_assets_gen:11" "vexmora_screenshots:11")
set(VEXMORA_QT_FREE vexmora_data vexmora_data_json vexmora_battle vexmora_battle_json vexmora_report vexmora_rules
  vexmora_scenario vexmora_net vexmora_ui_media vexmora_ui_battle_model vexmora_editor_logic vexmora_ui_story_files
  vexmora_ui_sound)

function(vexmora_layer_of target out)
  set(${out} "" PARENT_SCOPE)
  foreach(entry IN LISTS VEXMORA_LAYERS)
    string(REPLACE ":" ";" pair "${entry}")
    list(GET pair 0 name)
    if(name STREQUAL target)
      list(GET pair 1 layer)
      set(${out} ${layer} PARENT_SCOPE)
    endif()
  endforeach()
endfunction()

function(vexmora_check_layers)
  set(problems "")
  foreach(entry IN LISTS VEXMORA_LAYERS)
    string(REPLACE ":" ";" pair "${entry}")
    list(GET pair 0 target)
    list(GET pair 1 layer)
    if(NOT TARGET ${target})
      continue()  # left out of this build
    endif()
    get_target_property(links ${target} LINK_LIBRARIES)
    if(NOT links)
      continue()
    endif()
    foreach(link IN LISTS links)
      if(link MATCHES "^Qt6::" AND target IN_LIST VEXMORA_QT_FREE)
        list(APPEND problems "${target} is Qt-free and links ${link}")
      endif()
      if(NOT link MATCHES "^vexmora[_-]" OR link STREQUAL "vexmora_warnings")
        continue()
      endif()
      vexmora_layer_of(${link} linked)
      if(linked STREQUAL "")
        list(APPEND problems "${link} (linked by ${target}) has no layer in cmake/VexmoraLayers.cmake")
      elseif(NOT linked LESS layer)
        list(APPEND problems "${target} (layer ${layer}) links ${link} (layer ${linked}): a link must run downward")
      endif()
    endforeach()
  endforeach()
  # Every library of ours has a layer, however deep its folder (the tests' and benchmarks' own
  # helper libraries aside).
  set(folders "")
  set(pending ${PROJECT_SOURCE_DIR})
  while(pending)
    list(POP_FRONT pending folder)
    get_property(children DIRECTORY ${folder} PROPERTY SUBDIRECTORIES)
    list(FILTER children EXCLUDE REGEX "^${PROJECT_SOURCE_DIR}/(tests|bench|fuzz)$")
    list(APPEND folders ${children})
    list(APPEND pending ${children})
  endwhile()
  foreach(folder IN LISTS folders)
    get_property(targets DIRECTORY ${folder} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
      get_target_property(type ${target} TYPE)
      if(target MATCHES "^vexmora_" AND type STREQUAL "STATIC_LIBRARY")
        vexmora_layer_of(${target} layer)
        if(layer STREQUAL "")
          list(APPEND problems "${target} has no layer in cmake/VexmoraLayers.cmake")
        endif()
      endif()
    endforeach()
  endforeach()
  if(problems)
    list(JOIN problems "\n  " text)
    message(FATAL_ERROR "Dependencies that break the layers:\n  ${text}")
  endif()
endfunction()
