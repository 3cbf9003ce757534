# Copies each default data file into TARGET_DIR unless a file of that name is
# already there.
foreach(name High.dat Orvo.dat Style.dat)
    if(NOT EXISTS "${TARGET_DIR}/${name}")
        file(COPY "${SOURCE_DIR}/${name}" DESTINATION "${TARGET_DIR}")
    endif()
endforeach()
