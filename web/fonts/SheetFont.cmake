# The browser edition's sheet font, made at build time by web/fonts/build-font.sh from
# Debian's IPA P Gothic. include() this file, then
#   korvane_sheet_font(OUT_DIR)
# adds the target korvane_sheet_font (built with ALL) that writes into OUT_DIR
# korvane-sheet-gothic.ttf, korvane-sheet-gothic.woff2 and korvane-sheet-gothic-LICENSE.txt,
# and sets KORVANE_SHEET_FONT_TTF, KORVANE_SHEET_FONT_WOFF2 and KORVANE_SHEET_FONT_LICENSE
# in the caller's scope.
set(KORVANE_SHEET_FONT_DIR ${CMAKE_CURRENT_LIST_DIR})
set(KORVANE_SHEET_FONT_SOURCE /usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf
    CACHE FILEPATH "IPA P Gothic, the source of the browser edition's sheet font")

function(korvane_sheet_font out_dir)
  if(TARGET korvane_sheet_font)
    return()
  endif()
  set(outputs ${out_dir}/korvane-sheet-gothic.ttf ${out_dir}/korvane-sheet-gothic.woff2
              ${out_dir}/korvane-sheet-gothic-LICENSE.txt)
  add_custom_command(
    OUTPUT ${outputs}
    COMMAND bash ${KORVANE_SHEET_FONT_DIR}/build-font.sh ${out_dir} ${KORVANE_SHEET_FONT_SOURCE}
    DEPENDS ${KORVANE_SHEET_FONT_DIR}/build-font.sh ${KORVANE_SHEET_FONT_DIR}/cp932_characters.sh
            ${KORVANE_SHEET_FONT_DIR}/make_sheet_font.py ${KORVANE_SHEET_FONT_DIR}/font-notice.txt
            ${KORVANE_SHEET_FONT_SOURCE}
    COMMENT "Making the sheet font (code page 932 characters of IPA P Gothic)"
    VERBATIM)
  add_custom_target(korvane_sheet_font ALL DEPENDS ${outputs})
  set(KORVANE_SHEET_FONT_TTF ${out_dir}/korvane-sheet-gothic.ttf PARENT_SCOPE)
  set(KORVANE_SHEET_FONT_WOFF2 ${out_dir}/korvane-sheet-gothic.woff2 PARENT_SCOPE)
  set(KORVANE_SHEET_FONT_LICENSE ${out_dir}/korvane-sheet-gothic-LICENSE.txt PARENT_SCOPE)
endfunction()
