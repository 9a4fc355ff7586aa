# The game's icon is drawn once, as the desktop's SVG; each edition renders
# the pixel sizes it needs from it at build time, so none drifts from it.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(BRASSMOOR_ICON_SVG ${PROJECT_SOURCE_DIR}/desktop/${BRASSMOOR_APP_ID}.svg)

# brassmoor_icon_pngs(var folder size...): the icon as folder/icon-SIZE.png
# for each size; var lists the files.
function(brassmoor_icon_pngs var folder)
  set(pngs)
  foreach(size IN LISTS ARGN)
    set(png ${folder}/icon-${size}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${BRASSMOOR_ICON_SVG}
      DEPENDS ${BRASSMOOR_ICON_SVG}
      COMMENT "Rendering the ${size} px icon"
      VERBATIM)
    list(APPEND pngs ${png})
  endforeach()
  set(${var} ${pngs} PARENT_SCOPE)
endfunction()
