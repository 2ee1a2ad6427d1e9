<?php
// The album pictures, a group at a time: kln_pictures.php?group=2&page=1. Groups are numbered
// from 1 in the order of the data file ("Documents", "Pictures", "Head Stones", "Everything",
// then the albums).
declare(strict_types=1);
require __DIR__ . '/kln_common.php';

const PICTURES_PER_PAGE = 24;

// The groups: name, number of pictures and the slot of the first.
function groups(): array
{
    $file = kln_open('picdata');
    $offset = kln_offset('picindex', 0);
    if ($offset <= 0 || fseek($file, $offset) !== 0) {
        return [];
    }
    $groups = [];
    while (($name = fgets($file)) !== false && $name[0] === 'w' && count($groups) < 1000) {
        $count = trim((string)fgets($file));
        $first = trim((string)fgets($file));
        if (!ctype_digit($count) || !ctype_digit($first)) {
            break;
        }
        $groups[] = [substr(rtrim($name, "\n"), 1), (int)$count, (int)$first];
    }
    return $groups;
}

$groups = groups();
$shown = array_keys(array_filter($groups, fn($g) => $g[1] > 0));
$group = isset($_GET['group']) ? kln_page_parameter('group') : ($shown ? $shown[0] + 1 : 1);
$page = kln_page_parameter('page');
if (!isset($groups[$group - 1]) || $groups[$group - 1][1] === 0) {
    kln_not_found();
}
[$name, $count, $first] = $groups[$group - 1];
$pages = intdiv($count + PICTURES_PER_PAGE - 1, PICTURES_PER_PAGE);
if ($page > $pages) {
    kln_not_found();
}
kln_page_start('Pictures', $name, $name, 5, 0);
echo '<div class="groups">';
foreach ($shown as $g) {
    echo '<span class="group', $g + 1 === $group ? ' current' : '', '"><a href="kln_pictures.php?group=',
        $g + 1, '">', kln_h($groups[$g][0]), '</a>&nbsp;(', $groups[$g][1], ")</span>\n";
}
echo "</div>\n<div class=\"gallery\">\n";
$end = min($count, ($page - 1) * PICTURES_PER_PAGE + PICTURES_PER_PAGE);
for ($i = ($page - 1) * PICTURES_PER_PAGE; $i < $end; $i++) {
    $slot = $first + $i;
    $entry = kln_entry('picdata', kln_offset('picindex', $slot));
    if ($entry === null) {
        continue;
    }
    $file = '';
    $title = '';
    $note = '';
    $people = '';
    foreach ($entry as $line) {
        $value = substr($line, 1);
        if ($line[0] === 'f') {
            $file = $value;
        } elseif ($line[0] === 't') {
            $title = $value;
        } elseif ($line[0] === 'n') {
            $note = $value;
        } elseif ($line[0] === 'i') {
            $f = kln_fields($line);
            $people .= '<div>' . kln_person_link($f[0], $f[1] ?? '') . "</div>\n";
        }
    }
    if (preg_match('/^kln_m[0-9]{4}\.([a-z]{3,4})$/D', $file, $match) !== 1) {
        continue;
    }
    $picture = in_array($match[1], ['jpg', 'jpeg', 'png', 'gif', 'bmp', 'webp'], true);
    echo "<div class=\"picture\">\n<a href=\"med/", $file, '">',
        $picture ? '<img src="tmb/' . $file . '" alt="' . kln_h($title !== '' ? $title : 'Picture') . '">'
            : '<span class="doc">Document</span>', "</a>\n";
    if ($title !== '') {
        echo '<div><b>', kln_h($title), "</b></div>\n";
    }
    if ($note !== '') {
        echo '<div class="note">', kln_note($note), "</div>\n";
    }
    echo $people, "</div>\n";
}
echo "</div>\n";
if ($pages > 1) {
    echo '<div class="pager">';
    for ($p = 1; $p <= $pages; $p++) {
        echo $p === $page ? '<span class="current">' . $p . '</span>' :
            '<a href="kln_pictures.php?group=' . $group . '&amp;page=' . $p . '">' . $p . '</a>';
    }
    echo "</div>\n";
}
kln_page_end();
