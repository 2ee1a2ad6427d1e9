<?php
// The index of individuals, a hundred to a page: kln_index.php?page=3.
declare(strict_types=1);
require __DIR__ . '/kln_common.php';

const PAGE_LINKS_PER_ROW = 20;

$page = kln_page_parameter('page');
$count = kln_people_count();
$pages = max(1, intdiv($count + KLN_PEOPLE_PER_INDEX_PAGE - 1, KLN_PEOPLE_PER_INDEX_PAGE));
if ($page > $pages) {
    kln_not_found();
}

// The block of twenty page numbers around this page; a number past the last page shows "---".
function page_row(int $page, int $pages): string
{
    $start = intdiv($page - 1, PAGE_LINKS_PER_ROW) * PAGE_LINKS_PER_ROW + 1;
    $row = '<div class="pager">';
    if ($start > 1) {
        $row .= '<a href="kln_index.php?page=' . ($start - 1) . '">&lt;&lt;</a>';
    }
    for ($p = $start; $p < $start + PAGE_LINKS_PER_ROW; $p++) {
        if ($p > $pages) {
            $row .= '<span>---</span>';
        } elseif ($p === $page) {
            $row .= '<span class="current">' . $p . '</span>';
        } else {
            $row .= '<a href="kln_index.php?page=' . $p . '">' . $p . '</a>';
        }
    }
    if ($start + PAGE_LINKS_PER_ROW <= $pages) {
        $row .= '<a href="kln_index.php?page=' . ($start + PAGE_LINKS_PER_ROW) . '">&gt;&gt;</a>';
    }
    return $row . "</div>\n";
}

$first = ($page - 1) * KLN_PEOPLE_PER_INDEX_PAGE + 1;
$last = min($count, $first + KLN_PEOPLE_PER_INDEX_PAGE - 1);
kln_page_start('Index', 'Page ' . $page, 'Index of Individuals', 1, kln_person_at($first));
$row = page_row($page, $pages);
echo $row, "<table class=\"index\">\n",
    "<tr><th>Name</th><th>Born</th><th>Died</th><th>Number</th></tr>\n";
for ($sequence = $first; $sequence <= $last; $sequence++) {
    $n = kln_person_at($sequence);
    $lines = $n > 0 ? kln_record('indindex', 'inddata', $n) : null;
    if ($lines === null) {
        continue;
    }
    $head = kln_person_head($lines);
    $number = sprintf('%06d', $n);
    echo '<tr><td><a href="kln_indpage.php?idno=', $number, '">', kln_h($head['1'] ?? ''),
        '</a></td><td>', kln_h($head['3'] ?? ''), '</td><td>', kln_h($head['4'] ?? ''), '</td><td>',
        $number, "</td></tr>\n";
}
echo "</table>\n", $row;
kln_page_end();
