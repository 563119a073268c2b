# The music fonts the build draws its glyphs from (Debian's lilypond-fonts).
file(GLOB MELIBRON_FONT_DIRS /usr/share/lilypond/*/fonts/otf)
find_file(MELIBRON_SYMBOL_FONT emmentaler-20.otf
  HINTS ${MELIBRON_FONT_DIRS}
  PATHS /usr/share/fonts/opentype/lilypond /usr/share/fonts/lilypond
  DOC "The Emmentaler music font the symbol libraries are drawn from")
find_file(MELIBRON_BRACE_FONT emmentaler-brace.otf
  HINTS ${MELIBRON_FONT_DIRS}
  PATHS /usr/share/fonts/opentype/lilypond /usr/share/fonts/lilypond
  DOC "The Emmentaler brace font the curved braces are drawn from")
foreach(font MELIBRON_SYMBOL_FONT MELIBRON_BRACE_FONT)
  if(NOT EXISTS "${${font}}")
    message(FATAL_ERROR "The music font ${font} was not found. Install Debian's "
      "lilypond-fonts package (apt-get install lilypond-fonts), or set ${font} to the font file.")
  endif()
endforeach()
