# Copies the example pages into the library folder, leaving any page that
# is already there as it is.
file(GLOB pages "${SRC}/*.bmp" "${SRC}/*.sup")
foreach(page IN LISTS pages)
    get_filename_component(name "${page}" NAME)
    if(NOT EXISTS "${DST}/${name}")
        file(COPY "${page}" DESTINATION "${DST}")
    endif()
endforeach()
