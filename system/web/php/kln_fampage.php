<?php
// A family's page: kln_fampage.php?idno=000005.
declare(strict_types=1);
require __DIR__ . '/kln_common.php';

$idno = kln_idno_parameter('idno');
$lines = kln_record('famindex', 'famdata', $idno);
if ($lines === null) {
    kln_not_found();
}
$rows = '';
$names = [];
$first = 0;
$children = [];
foreach ($lines as $line) {
    if ($line === '') {
        continue;
    }
    $f = kln_fields($line);
    if ($line[0] === 'h' || $line[0] === 'w') {
        $rows .= '<tr><th>' . ($line[0] === 'h' ? 'Husband' : 'Wife') . '</th><td>' .
            kln_person_link($f[0], $f[1] ?? '', $f[2] ?? '') . "</td></tr>\n";
        if (ctype_digit($f[0])) {
            $names[] = $f[1] ?? '';
            $first = $first ?: (int)$f[0];
        }
    } elseif ($line[0] === 'e') {
        $parts = array_filter([$f[1] ?? '', $f[2] ?? '', $f[3] ?? ''], fn($p) => $p !== '');
        $cell = implode(', ', array_map('kln_h', $parts));
        if (($f[4] ?? '') !== '') {
            $cell .= '<div class="note">' . kln_note($f[4]) . '</div>';
        }
        $rows .= '<tr><th>' . kln_h($f[0]) . '</th><td>' . $cell . "</td></tr>\n";
    } elseif ($line[0] === 'c') {
        $children[] = kln_person_link($f[0], $f[1] ?? '', $f[2] ?? '', $f[3] ?? '');
    }
}
if ($children) {
    $rows .= '<tr><th>Children</th><td>' . implode('<br>', $children) . "</td></tr>\n";
}
$title = $names ? implode(' and ', $names) : 'Family';
kln_page_start('Family', $title, $title, -1, $first);
echo "<table class=\"events\">\n", $rows, "</table>\n";
kln_page_end();
