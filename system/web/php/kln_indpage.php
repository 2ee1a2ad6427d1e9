<?php
// A person's page: kln_indpage.php?idno=000012.
declare(strict_types=1);
require __DIR__ . '/kln_common.php';

$idno = kln_idno_parameter('idno');
$lines = kln_record('indindex', 'inddata', $idno);
if ($lines === null) {
    kln_not_found();
}
$head = kln_person_head($lines);
$name = $head['0'] ?? '';
$number = sprintf('%06d', $idno);

function cites(string $list): string
{
    $out = '';
    foreach (explode(',', $list) as $n) {
        if (ctype_digit($n)) {
            $out .= ' <a class="cite" href="#s-' . $n . '">[' . $n . ']</a>';
        }
    }
    return $out;
}

// "caption, value, date, place [1]" and the note of an event line's fields.
function event_text(array $f): string
{
    $parts = array_filter([$f[1] ?? '', $f[2] ?? '', $f[3] ?? ''], fn($p) => $p !== '');
    $text = implode(', ', array_map('kln_h', $parts)) . cites($f[5] ?? '');
    if (($f[4] ?? '') !== '') {
        $text .= '<div class="note">' . kln_note($f[4]) . '</div>';
    }
    return $text;
}

function row(string $heading, string $cell): string
{
    return '<tr><th>' . kln_h($heading) . '</th><td>' . $cell . "</td></tr>\n";
}

$family_rows = '';
$event_rows = '';
$citations = [];
$siblings = [];
$children = [];
foreach ($lines as $line) {
    if ($line === '' || ctype_digit($line[0])) {
        continue;
    }
    $key = $line[0];
    $f = kln_fields($line);
    if ($key === 'o') {
        if (($f[2] ?? '0') !== '0') {
            $family_rows .= row('Father', kln_person_link($f[2], $f[3] ?? '', $f[4] ?? '', $f[1]));
        }
        if (($f[5] ?? '0') !== '0') {
            $family_rows .= row('Mother', kln_person_link($f[5], $f[6] ?? '', $f[7] ?? '', $f[1]));
        }
    } elseif ($key === '=') {
        $siblings[] = kln_person_link($f[0], $f[1] ?? '', $f[2] ?? '', $f[3] ?? '');
    } elseif ($key === 'p') {
        if ($siblings) {
            $family_rows .= row('Siblings', implode('<br>', $siblings));
            $siblings = [];
        }
        if ($children) {
            $family_rows .= row('Children', implode('<br>', $children));
            $children = [];
        }
        $spouse = ($f[1] ?? '0') === '0' ? 'Spouse Unknown' : kln_person_link($f[1], $f[2] ?? '', $f[3] ?? '');
        $family_rows .= row('Spouse', $spouse . ' &nbsp; <a href="kln_fampage.php?idno=' .
            (ctype_digit($f[0]) ? $f[0] : '000000') . '">Family</a>');
    } elseif ($key === '+') {
        $family_rows .= row($f[0], event_text($f));
    } elseif ($key === '-') {
        $children[] = kln_person_link($f[0], $f[1] ?? '', $f[2] ?? '', $f[3] ?? '');
    } elseif ($key === 'n') {
        $citations[] = $f;
    } elseif ($key === 'q') {
        $event_rows .= row('Notes', '<div class="note">' . kln_note($f[0]) . '</div>');
    } elseif (ctype_alpha($key)) {
        $event_rows .= row($f[0], event_text($f));
    }
}
if ($siblings) {
    $family_rows .= row('Siblings', implode('<br>', $siblings));
}
if ($children) {
    $family_rows .= row('Children', implode('<br>', $children));
}

kln_page_start('Individual', $name, $name, 2, $idno);
echo '<div class="person" id="', $number, "\">\n<div class=\"personhead\">\n";
$portrait = $head['5'] ?? '';
if (preg_match('/^kln_t[0-9]{6}\.[a-z]{3,4}$/D', $portrait) === 1) {
    echo '<img class="portrait" src="tmb/', $portrait, '" alt="', kln_h($name), "\">\n";
}
echo "<div>\n<h2 class=\"personname\">", kln_h($name), "</h2>\n";
$born = $head['3'] ?? '';
$died = $head['4'] ?? '';
if ($born !== '' || $died !== '') {
    echo '<p class="facts">', $born !== '' ? 'Born: ' . kln_h($born) : '',
        $born !== '' && $died !== '' ? ' &nbsp; ' : '', $died !== '' ? 'Died: ' . kln_h($died) : '',
        "</p>\n";
}
$gender = ['M' => 'Male', 'F' => 'Female'][$head['2'] ?? ''] ?? 'Unknown';
echo '<p class="facts">Gender: ', $gender, "</p>\n";
echo '<p class="facts">Number: ', $number, cites($head['6'] ?? ''), "</p>\n";
echo '<p class="facts"><a href="kln_chart.php?kind=anc&amp;idno=', $number,
    '">Ancestors</a> &nbsp; <a href="kln_chart.php?kind=des&amp;idno=', $number,
    "\">Descendants</a></p>\n</div>\n</div>\n";
if ($family_rows !== '') {
    echo "<table class=\"events\">\n", $family_rows, "</table>\n";
}
if ($event_rows !== '') {
    echo "<table class=\"events\">\n", $event_rows, "</table>\n";
}
if ($citations) {
    echo "<h3>Sources</h3>\n<table class=\"events\">\n";
    foreach ($citations as $c) {
        $n = ctype_digit($c[0]) ? $c[0] : '0';
        $cell = '';
        $source = ctype_digit($c[1] ?? '') ? (int)$c[1] : 0;
        $fields = $source > 0 ? kln_record('srcindex', 'srcdata', $source) : null;
        if ($fields !== null) {
            $title = 'Untitled Source';
            $more = '';
            foreach ($fields as $field) {
                $value = substr($field, 1);
                if ($field[0] === 'T') {
                    $title = $value;
                } elseif ($field[0] === 'A') {
                    $more .= '<br>Author: ' . kln_h($value);
                } elseif ($field[0] === 'P') {
                    $more .= '<br>Publication: ' . kln_h($value);
                }
            }
            $cell = '<a href="kln_sources.php?idno=' . sprintf('%06d', $source) . '">' .
                kln_h($title) . '</a>' . $more;
            if (($c[2] ?? '') !== '') {
                $cell .= '<br>Page: ' . kln_h($c[2]);
            }
        } else {
            $cell = kln_h($c[2] ?? '');
        }
        echo '<tr id="s-', $n, '"><th>[', $n, ']</th><td>', $cell, "</td></tr>\n";
    }
    echo "</table>\n";
}
echo "</div>\n";
kln_page_end();
