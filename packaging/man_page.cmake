# Writes the manual page of kinloom-cli (roff) from what the program says about itself:
#   cmake -DPROGRAM=path/to/kinloom-cli -DOUTPUT=kinloom-cli.1 -P man_page.cmake
# The --help text becomes the page's description, so the page never falls behind the program.
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE help_status)
execute_process(COMMAND ${PROGRAM} --version OUTPUT_VARIABLE version_line
                RESULT_VARIABLE version_status OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT help_status EQUAL 0 OR NOT version_status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} did not print its help and version")
endif()
string(REGEX MATCH "^kinloom-cli ([^\n]*)" version_line "${version_line}")
set(version "${CMAKE_MATCH_1}")

# roff: a backslash is written \e, a line that starts with a dot or quote is kept as text with
# \&, and minus signs of options are \- so they copy as minus signs.
string(REPLACE "\\" "\\e" help "${help}")
string(REPLACE "-" "\\-" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")

string(TIMESTAMP month "%B %Y" UTC)  # SOURCE_DATE_EPOCH, when set, makes it reproducible
file(WRITE ${OUTPUT}
".\\\" SPDX-License-Identifier: GPL-3.0-or-later
.\\\" Made from kinloom-cli --help; edit the program's help text, not this file.
.TH KINLOOM-CLI 1 \"${month}\" \"kinloom-cli ${version}\" \"User Commands\"
.SH NAME
kinloom-cli \\- read, convert, report on and publish Kinloom family trees
.SH SYNOPSIS
.B kinloom-cli
[\\fB\\-\\-home\\fR \\fIDIR\\fR] \\fICOMMAND\\fR ...
.br
.B kinloom-cli \\-\\-help
|
.B \\-\\-version
.SH DESCRIPTION
.B kinloom-cli
does without a window much of what the Kinloom desktop program does: it reads GEDCOM files
from any genealogy program, writes them in Kinloom's own format, merges trees, prints reports
and lists, checks a tree for problems and makes its web site.
.PP
.nf
${help}.fi
.SH FILES
.TP
.I ~/.local/share/kinloom
the data home (else \\fB\\-\\-home\\fR or \\fB$KINLOOM_HOME\\fR): the trees, their side files,
pictures, saved reports, backups and web sites.
.SH SEE ALSO
.B kinloom
(the desktop program) and its user's guide, /usr/share/doc/kinloom/user\\-guide.md.
.SH LICENSE
GPL\\-3.0\\-or\\-later: the GNU General Public License, version 3 or any later version.
")
