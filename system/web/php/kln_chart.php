<?php
// A person's ancestor or descendant chart: kln_chart.php?kind=anc&idno=000012 (kind "des" for
// descendants).
declare(strict_types=1);
require __DIR__ . '/kln_common.php';

const ANCESTOR_GENERATIONS = 4;
const DESCENDANT_GENERATIONS = 3;
const DESCENDANT_BOX_LIMIT = 150;

$kind = $_GET['kind'] ?? 'anc';
if (!is_string($kind) || ($kind !== 'anc' && $kind !== 'des')) {
    kln_not_found();
}
$idno = kln_idno_parameter('idno');
$self = kln_record('chtindex', 'chtdata', $idno);
if ($self === null) {
    kln_not_found();
}

// A chart box: the name leads to the same chart of that person.
function box(string $kind, string $number): string
{
    $entry = preg_match('/^[0-9]{6}$/D', $number) === 1 ?
        kln_record('chtindex', 'chtdata', (int)$number) : null;
    if ($entry === null) {
        return '<span class="box private">Private</span>';
    }
    $f = explode("\t", $entry[0]);
    $years = ($f[1] ?? '') !== '' ? kln_h($f[1]) : '&nbsp;';
    return '<span class="box"><a href="kln_chart.php?kind=' . $kind . '&amp;idno=' . $number . '">' .
        kln_h($f[0]) . '</a><span class="years">' . $years .
        ' &middot; <a href="kln_indpage.php?idno=' . $number . '">details</a></span></span>';
}

function parents(string $number): array
{
    $entry = preg_match('/^[0-9]{6}$/D', $number) === 1 ?
        kln_record('chtindex', 'chtdata', (int)$number) : null;
    if ($entry === null) {
        return [];
    }
    $f = explode("\t", $entry[0]);
    return array_values(array_filter([$f[2] ?? '0', $f[3] ?? '0'], fn($p) => $p !== '0'));
}

function pedigree(string $number, int $generation): string
{
    $out = '<div class="pnode">' . box('anc', $number);
    $parents = parents($number);
    if ($generation + 1 < ANCESTOR_GENERATIONS && $parents) {
        $out .= "\n<div class=\"parents\">\n";
        foreach ($parents as $parent) {
            $out .= pedigree($parent, $generation + 1);
        }
        $out .= '</div>';
    }
    return $out . "</div>\n";
}

function descendants(string $number, int $generation, int &$boxes): string
{
    $out = '<li><div class="couple">' . box('des', $number);
    $boxes++;
    $entry = preg_match('/^[0-9]{6}$/D', $number) === 1 ?
        kln_record('chtindex', 'chtdata', (int)$number) : null;
    $children = [];
    foreach ($entry ?? [] as $line) {
        if (strncmp($line, "S\t", 2) !== 0) {
            continue;
        }
        $f = kln_fields($line);
        if (($f[0] ?? '0') !== '0') {
            $out .= '<span class="and">&amp;</span>' . box('des', $f[0]);
            $boxes++;
        }
        foreach (explode(',', $f[1] ?? '') as $child) {
            if ($child !== '') {
                $children[] = $child;
            }
        }
    }
    $out .= '</div>';
    if ($children && $generation + 1 < DESCENDANT_GENERATIONS) {
        $out .= "\n<ul>\n";
        foreach ($children as $child) {
            if ($boxes >= DESCENDANT_BOX_LIMIT) {
                break;
            }
            $out .= $child === 'P' ? "<li><span class=\"box private\">Private</span></li>\n" :
                descendants($child, $generation + 1, $boxes);
        }
        $out .= "</ul>\n";
    }
    return $out . "</li>\n";
}

$name = explode("\t", $self[0])[0];
$number = sprintf('%06d', $idno);
$caption = $kind === 'anc' ? 'Ancestors of' : 'Descendants of';
kln_page_start($caption, $name, $name, $kind === 'anc' ? 3 : 4, $idno);
echo '<h2 class="personname">', $caption, ' ', kln_h($name), "</h2>\n";
echo '<div class="navigate"><a href="kln_indpage.php?idno=', $number,
    '">Individual</a><a href="kln_chart.php?kind=anc&amp;idno=', $number,
    '">Ancestors</a><a href="kln_chart.php?kind=des&amp;idno=', $number, "\">Descendants</a></div>\n";
if ($kind === 'anc') {
    echo "<div class=\"chart\">\n", pedigree($number, 0), "</div>\n";
} else {
    $boxes = 0;
    echo "<div class=\"chart\"><ul class=\"descendants\">\n", descendants($number, 0, $boxes),
        "</ul></div>\n";
}
kln_page_end();
