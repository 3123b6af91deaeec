# The PDF writer as one classic script for the page (web/pdf/bundle.sh: the writer, pdf-lib
# and fontkit, bundled by esbuild from web/node_modules). include() this file, then
#   korvane_pdf_bundle(OUT_FILE)
# adds the target korvane_pdf_bundle (built with ALL) and sets KORVANE_PDF_BUNDLE in the
# caller's scope. The script defines the global KorvanePdf.
set(KORVANE_PDF_DIR ${CMAKE_CURRENT_LIST_DIR})

function(korvane_pdf_bundle out_file)
  if(TARGET korvane_pdf_bundle)
    return()
  endif()
  get_filename_component(web ${KORVANE_PDF_DIR} DIRECTORY)
  add_custom_command(
    OUTPUT ${out_file}
    COMMAND bash ${KORVANE_PDF_DIR}/bundle.sh ${out_file}
    DEPENDS ${KORVANE_PDF_DIR}/bundle.sh ${KORVANE_PDF_DIR}/sheetPdf.js ${web}/package-lock.json
    COMMENT "Bundling the PDF writer for the page"
    VERBATIM)
  add_custom_target(korvane_pdf_bundle ALL DEPENDS ${out_file})
  set(KORVANE_PDF_BUNDLE ${out_file} PARENT_SCOPE)
endfunction()
