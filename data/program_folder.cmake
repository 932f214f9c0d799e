# cmake -DPROGRAM_DIR=<folder> -DDATA_DIR=<data> -P program_folder.cmake
# The folder "CSV" with the twelve category files, created empty where missing, and the two pages.
set(category_files
    document.csv sound.csv internet.csv game.csv programing.csv utility.csv
    business.csv hardware.csv home.csv study.csv personal.csv other.csv)

file(MAKE_DIRECTORY "${PROGRAM_DIR}/CSV")
foreach(name IN LISTS category_files)
    if(NOT EXISTS "${PROGRAM_DIR}/CSV/${name}")
        file(TOUCH "${PROGRAM_DIR}/CSV/${name}")
    endif()
endforeach()

foreach(page welcome.html ヘルプ.html)
    file(COPY_FILE "${DATA_DIR}/${page}" "${PROGRAM_DIR}/${page}" ONLY_IF_DIFFERENT)
endforeach()
