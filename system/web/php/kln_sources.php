<?php
// The sources the site cites: kln_sources.php lists them, kln_sources.php?idno=000003 shows one.
declare(strict_types=1);
require __DIR__ . '/kln_common.php';

const SOURCE_FIELDS = ['T' => 'Title', 'A' => 'Author', 'P' => 'Publication', 'N' => 'Note',
    'M' => 'Medium', 'Q' => 'Quality'];

function source_title(array $lines): string
{
    foreach ($lines as $line) {
        if ($line !== '' && $line[0] === 'T') {
            return substr($line, 1);
        }
    }
    return 'Untitled Source';
}

if (isset($_GET['idno'])) {
    $idno = kln_idno_parameter('idno');
    $lines = kln_record('srcindex', 'srcdata', $idno);
    if ($lines === null) {
        kln_not_found();
    }
    $title = source_title($lines);
    kln_page_start('Source', $title, $title, -1, 0);
    echo "<table class=\"events\">\n";
    foreach ($lines as $line) {
        if ($line !== '' && isset(SOURCE_FIELDS[$line[0]])) {
            echo '<tr><th>', SOURCE_FIELDS[$line[0]], '</th><td>', kln_note(substr($line, 1)),
                "</td></tr>\n";
        }
    }
    echo "</table>\n";
    kln_page_end();
    exit;
}

$stat = fstat(kln_open('srcindex'));
$slots = $stat === false ? 0 : intdiv((int)$stat['size'], KLN_OFFSET_SLOT);
kln_page_start('Sources', 'List', 'Sources', -1, 0);
echo "<table class=\"index\">\n<tr><th>Source</th><th>Number</th></tr>\n";
for ($n = 1; $n < $slots; $n++) {
    $lines = kln_record('srcindex', 'srcdata', $n);
    if ($lines === null) {
        continue;
    }
    $number = sprintf('%06d', $n);
    echo '<tr><td><a href="kln_sources.php?idno=', $number, '">', kln_h(source_title($lines)),
        '</a></td><td>', $number, "</td></tr>\n";
}
echo "</table>\n";
kln_page_end();
