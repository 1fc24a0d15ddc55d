# Writes the package's machine-readable copyright file from the source tree's own record of who may
# do what with which file (.reuse/dep5), so the two never disagree, followed by one License paragraph
# for each licence named there. Licences that Debian keeps in /usr/share/common-licenses are given as
# their notice and a pointer; any other is given whole, from LICENSES/.
#
#   cmake -DSOURCE_DIR=<source tree> -DOUTPUT=<file> -P DebianCopyright.cmake

# The notices of the licences that every Debian system carries, and where their texts are.
set(notice_GPL-3.0-or-later [[
This program is free software: you can redistribute it and/or modify
it under the terms of the GNU General Public License as published by
the Free Software Foundation, either version 3 of the License, or
(at your option) any later version.

This program is distributed in the hope that it will be useful,
but WITHOUT ANY WARRANTY; without even the implied warranty of
MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE.  See the
GNU General Public License for more details.

On Debian systems, the complete text of the GNU General Public License
version 3 can be found in /usr/share/common-licenses/GPL-3.
]])
set(notice_CC0-1.0 [[
To the extent possible under law, the authors have dedicated all copyright
and related and neighboring rights to this work to the public domain
worldwide. This work is distributed without any warranty.

On Debian systems, the complete text of the CC0 1.0 Universal Public Domain
Dedication can be found in /usr/share/common-licenses/CC0-1.0.
]])

# A paragraph's continuation lines: each line indented by one space, an empty one written as " .".
# The format allows no tab in a licence text: one at a line's start (the only place the texts have
# them) is the eight columns it stands for.
function(continuation_lines out text)
  string(REGEX REPLACE "[ \t\r]+\n" "\n" text "${text}")
  string(REPLACE "\t" "        " text "${text}")
  string(REGEX REPLACE "^\n+|\n+$" "" text "${text}")
  while(text MATCHES "\n\n")
    string(REPLACE "\n\n" "\n.\n" text "${text}")
  endwhile()
  string(REPLACE "\n" "\n " text "${text}")
  set(${out} " ${text}\n" PARENT_SCOPE)
endfunction()

file(READ ${SOURCE_DIR}/.reuse/dep5 record)
string(REGEX REPLACE "\n+$" "\n" record "${record}")
string(REGEX MATCHALL "\nLicense: [^\n]+" named "${record}")
list(TRANSFORM named REPLACE "\nLicense: " "")
list(REMOVE_DUPLICATES named)
list(SORT named)

set(copyright "${record}")
foreach(licence IN LISTS named)
  if(DEFINED notice_${licence})
    set(text "${notice_${licence}}")
  elseif(EXISTS ${SOURCE_DIR}/LICENSES/${licence}.txt)
    file(READ ${SOURCE_DIR}/LICENSES/${licence}.txt text)
  else()
    message(FATAL_ERROR ".reuse/dep5 names ${licence}, whose text is not in LICENSES/")
  endif()
  continuation_lines(body "${text}")
  string(APPEND copyright "\nLicense: ${licence}\n${body}")
endforeach()

file(WRITE ${OUTPUT}.new "${copyright}")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
