# Turns the operator's guide (resources/aide/aide.htm, ISO-8859-1) into RTF for the
# RichEdit control of the Win32 help window, so that both windows show one source.
# The guide uses a handful of constructs: headings h1 and h2, paragraphs, bulleted
# lists, bold, and spans of the classes nom (file and field names) and rouge, rose,
# vert, gris (the marks' colours); every other tag is dropped, its text kept.
# Usage: cmake -DENTREE=aide.htm -DSORTIE=aide.rtf -P aide_rtf.cmake
file(READ "${ENTREE}" html)

# The body only; the title and the style sheet are the window's business.
string(REGEX REPLACE "^.*<body[^>]*>" "" html "${html}")
string(REGEX REPLACE "</body>.*$" "" html "${html}")
string(REGEX REPLACE "<!--([^-]|-[^-])*-->" "" html "${html}")

# RTF's own special characters, before any control word is written.
string(REPLACE "\\" "\\\\" html "${html}")
string(REPLACE "{" "\\{" html "${html}")
string(REPLACE "}" "\\}" html "${html}")

# White space runs are one blank, as a browser shows them.
string(REGEX REPLACE "[\r\n\t ]+" " " html "${html}")

# Block elements, then inline ones: each pattern with its RTF, in this order.
# Paragraphs are justified, as the page's style sheet asks.
set(par "\\\\pard\\\\plain\\\\f0\\\\fs20")  # written into replace expressions
string(REGEX REPLACE " *</?ul[^>]*> *" "" html "${html}")
set(balises
  " *<h1[^>]*> *" "${par}\\\\qc\\\\sb120\\\\sa240{\\\\cf1\\\\b\\\\fs28 "
  " *</h1> *" "}\\\\par\n"
  " *<h2[^>]*> *" "${par}\\\\sb320\\\\sa120\\\\brdrb\\\\brdrs\\\\brdrw10\\\\brdrcf1\\\\brsp20{\\\\cf1\\\\b\\\\fs22 "
  " *</h2> *" "}\\\\par\n"
  " *<p[^>]*> *" "${par}\\\\qj\\\\sa120 "
  " *</p> *" "\\\\par\n"
  " *<li[^>]*> *" "${par}\\\\qj\\\\fi-240\\\\li480\\\\tx480\\\\sa80\\\\'95\\\\tab "
  " *</li> *" "\\\\par\n"
  "<b>" "{\\\\b "
  "</b>" "}"
  "<span class=\"nom\">" "{\\\\f1 "
  "<span class=\"rouge\">" "{\\\\cf2\\\\b "
  "<span class=\"rose\">" "{\\\\cf3\\\\b "
  "<span class=\"vert\">" "{\\\\cf4\\\\b "
  "<span class=\"gris\">" "{\\\\cf5\\\\b "
  "<span[^>]*>" "{"
  "</span>" "}"
  "<br[^>]*>" "\\\\line ")
while(balises)
  list(POP_FRONT balises motif rtf)
  string(REGEX REPLACE "${motif}" "${rtf}" html "${html}")
endwhile()
string(REGEX REPLACE "<[^>]*>" "" html "${html}")  # any other tag

# Character references the guide may hold; &amp; last.
string(REPLACE "&lt;" "<" html "${html}")
string(REPLACE "&gt;" ">" html "${html}")
string(REPLACE "&quot;" "\"" html "${html}")
string(REPLACE "&nbsp;" "\\~" html "${html}")
string(REPLACE "&amp;" "&" html "${html}")

# Bytes beyond ASCII as RTF escapes of the ANSI code page (ISO-8859-1 is a subset
# of Windows-1252 for the letters the guide uses).
foreach(code RANGE 128 255)
  string(ASCII ${code} octet)
  string(FIND "${html}" "${octet}" trouve)
  if(NOT trouve EQUAL -1)
    math(EXPR hex "${code}" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${hex}" 2 -1 hex)
    string(TOLOWER "${hex}" hex)
    string(REPLACE "${octet}" "\\'${hex}" html "${html}")
  endif()
endforeach()

set(entete "{\\rtf1\\ansi\\ansicpg1252\\deff0")
string(APPEND entete "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fmodern\\fcharset0 Courier New;}}")
# 1: headings (#204080); 2-5: the marks' colours, red, pink, green, grey.
string(APPEND entete "{\\colortbl;\\red32\\green64\\blue128;\\red255\\green0\\blue0;\\red255\\green0\\blue255;")
string(APPEND entete "\\red0\\green128\\blue0;\\red128\\green128\\blue128;}")
string(APPEND entete "\\viewkind4\\uc1\n")
file(WRITE "${SORTIE}" "${entete}${html}}\n")
