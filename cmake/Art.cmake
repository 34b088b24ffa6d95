# The window's picture and the program's icon are SVG drawings in art/, rendered at build time by
# Debian's rsvg-convert into the calling folder's build folder, art/:
#   background.rgb32        the 1x picture as the pixels the window shows without a decoder
#   background@2x.jpg       the 2x picture for high-density screens
#   icon/SIZE.png           16 to 512 pixels; below 32 the ring drawn thicker, so it still reads
#   icon/maskable-512.png   for a phone's home screen, which cuts its own shape out of it
#   icon/flightcalc.ico     Windows' sizes, each a PNG as Windows Vista and later read them
# Nothing here is a program of the project: a cross build renders the same bytes.
find_program(FLIGHTCALC_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(FLIGHTCALC_PNGTOPNM pngtopnm REQUIRED)
find_program(FLIGHTCALC_CJPEG cjpeg REQUIRED)
find_program(FLIGHTCALC_ICOTOOL icotool REQUIRED)
# Debian's own Python, whatever else the PATH offers (the notices' writers use it too).
find_program(FLIGHTCALC_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH REQUIRED)
set(FLIGHTCALC_ART ${PROJECT_SOURCE_DIR}/art)
set(FLIGHTCALC_ICON_SIZES 16 24 32 48 64 128 192 256 512)

function(flightcalc_art)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/art)
  set(art ${FLIGHTCALC_ART})
  add_custom_command(
    OUTPUT ${out}/background.rgb32 ${out}/background@2x.jpg
    COMMAND ${CMAKE_COMMAND} -E make_directory ${out}
    COMMAND ${FLIGHTCALC_RSVG_CONVERT} ${art}/background.svg -o ${out}/background.png
    COMMAND ${FLIGHTCALC_RSVG_CONVERT} --zoom 2 ${art}/background.svg -o ${out}/background@2x.png
    COMMAND sh -c "\"$0\" \"$1\" >\"$2\"" ${FLIGHTCALC_PNGTOPNM} ${out}/background.png
            ${out}/background.ppm
    COMMAND ${FLIGHTCALC_PYTHON} ${PROJECT_SOURCE_DIR}/cmake/rgb32.py ${out}/background.ppm
            ${out}/background.rgb32
    COMMAND sh -c "\"$0\" \"$1\" | \"$2\" -quality 88 -outfile \"$3\""
            ${FLIGHTCALC_PNGTOPNM} ${out}/background@2x.png ${FLIGHTCALC_CJPEG}
            ${out}/background@2x.jpg
    DEPENDS ${art}/background.svg ${PROJECT_SOURCE_DIR}/cmake/rgb32.py
    COMMENT "Rendering the picture at 1x and 2x"
    VERBATIM)

  set(icons ${out}/icon/maskable-512.png)
  set(icon_commands
    COMMAND ${CMAKE_COMMAND} -E make_directory ${out}/icon
    COMMAND ${FLIGHTCALC_RSVG_CONVERT} -w 512 -h 512 ${art}/icon-maskable.svg
            -o ${out}/icon/maskable-512.png)
  foreach(size IN LISTS FLIGHTCALC_ICON_SIZES)
    set(small)
    if(size LESS 32)
      set(small --stylesheet ${art}/icon-small.css)
    endif()
    list(APPEND icon_commands COMMAND ${FLIGHTCALC_RSVG_CONVERT} -w ${size} -h ${size} ${small}
      ${art}/icon.svg -o ${out}/icon/${size}.png)
    list(APPEND icons ${out}/icon/${size}.png)
  endforeach()
  add_custom_command(
    OUTPUT ${icons} ${out}/icon/flightcalc.ico
    ${icon_commands}
    COMMAND ${FLIGHTCALC_ICOTOOL} --create --output=${out}/icon/flightcalc.ico
            --raw=${out}/icon/16.png --raw=${out}/icon/24.png --raw=${out}/icon/32.png
            --raw=${out}/icon/48.png --raw=${out}/icon/256.png
    DEPENDS ${art}/icon.svg ${art}/icon-small.css ${art}/icon-maskable.svg
    COMMENT "Rendering the icon"
    VERBATIM)
endfunction()
