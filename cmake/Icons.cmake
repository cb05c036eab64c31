# The application icon: one SVG in data/, drawn into PNGs of the usual sizes at build time.
# Included where the PNGs are needed; the drawing rules themselves are made only once, by
# quorbel_embed_icons in the directory of the target that carries them as resources.

set(QUORBEL_APP_ID io.github.quorbel.Quorbel)
set(QUORBEL_ICON_SVG ${PROJECT_SOURCE_DIR}/data/${QUORBEL_APP_ID}.svg)
set(QUORBEL_ICON_SIZES 16 32 48 64 128 256)
# Laid out like the hicolor theme: <size>x<size>/apps/<id>.png
set(QUORBEL_ICON_DIR ${PROJECT_BINARY_DIR}/icons)

function(quorbel_icon_png size out)
  set(${out} ${QUORBEL_ICON_DIR}/${size}x${size}/apps/${QUORBEL_APP_ID}.png PARENT_SCOPE)
endfunction()

# Draws every PNG size and embeds them in target under :/icons/<size>x<size>/apps/.
function(quorbel_embed_icons target)
  find_program(RSVG_CONVERT rsvg-convert REQUIRED)
  set(pngs)
  foreach(size IN LISTS QUORBEL_ICON_SIZES)
    quorbel_icon_png(${size} png)
    get_filename_component(dir ${png} DIRECTORY)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
      COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} --output=${png} ${QUORBEL_ICON_SVG}
      DEPENDS ${QUORBEL_ICON_SVG}
      COMMENT "Drawing the ${size}x${size} application icon"
      VERBATIM)
    list(APPEND pngs ${png})
  endforeach()
  qt_add_resources(${target} icons PREFIX /icons BASE ${QUORBEL_ICON_DIR} FILES ${pngs})
endfunction()
