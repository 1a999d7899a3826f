# Installs into a scratch prefix, then checks what a desktop needs to find the program.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "install failed: ${result}")
endif()

set(expected
    bin/folder-batch-rename
    share/applications/folder-batch-rename.desktop
    share/kio/servicemenus/folder-batch-rename.desktop
    share/icons/hicolor/scalable/apps/folder-batch-rename.svg)
foreach(size 16 22 24 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/folder-batch-rename.png)
endforeach()
foreach(file IN LISTS expected)
    if(NOT EXISTS "${PREFIX}/${file}")
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

find_program(VALIDATE desktop-file-validate REQUIRED)
execute_process(COMMAND "${VALIDATE}" "${PREFIX}/share/applications/folder-batch-rename.desktop"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR NOT output STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate: ${output}")
endif()

# The launcher takes dropped folders, but claims no folder type (that would open every folder).
file(READ "${PREFIX}/share/applications/folder-batch-rename.desktop" launcher)
if(NOT launcher MATCHES "\nExec=folder-batch-rename %F\n" OR launcher MATCHES "MimeType")
    message(FATAL_ERROR "the launcher's Exec or MimeType is wrong:\n${launcher}")
endif()
# Dolphin's service menu: for folders, one action that hands them over.
file(READ "${PREFIX}/share/kio/servicemenus/folder-batch-rename.desktop" menu)
foreach(line "Type=Service" "MimeType=inode/directory;" "Actions=batchRename;"
             "[Desktop Action batchRename]" "Name[zh_CN]=批量修改文件夹名称" "Exec=folder-batch-rename %F")
    string(FIND "${menu}" "\n${line}\n" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "the service menu lacks ${line}")
    endif()
endforeach()
