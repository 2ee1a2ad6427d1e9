<?php
// Shared by the scripts that serve a family tree's site from its data files. The scripts read
// only the data files and page frame of their own site, by fixed names: no request parameter
// ever becomes part of a file name. A request for anything the files do not hold gets a plain
// "not found" page with status 404.
declare(strict_types=1);

const KLN_OFFSET_SLOT = 16;
const KLN_SEQUENCE_SLOT = 32;
const KLN_NOTE_BREAK = "\x1F";
const KLN_MENU_ENTRIES = 7;
const KLN_PEOPLE_PER_INDEX_PAGE = 100;

// Every text of the tree goes out through this: markup characters as entities, the
// Windows-1252 characters above ASCII as numeric character references, line breaks and tabs as
// blanks and other control characters left out, so a page is plain ASCII.
function kln_h(string $text): string
{
    static $references = null;
    if ($references === null) {
        $high = [0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030,
            0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D,
            0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178];
        $references = ["\t" => ' ', "\r" => ' ', "\n" => ' '];
        for ($byte = 0x80; $byte <= 0xFF; $byte++) {
            $references[chr($byte)] = '&#' . ($byte < 0xA0 ? $high[$byte - 0x80] : $byte) . ';';
        }
    }
    $text = preg_replace('/[\x00-\x08\x0B\x0C\x0E-\x1F\x7F]/', '', $text) ?? '';
    return strtr(htmlspecialchars($text, ENT_QUOTES | ENT_HTML401, 'ISO-8859-1'), $references);
}

// A note: its lines escaped and joined by line breaks.
function kln_note(string $text): string
{
    return implode('<br>', array_map('kln_h', explode(KLN_NOTE_BREAK, $text)));
}

function kln_not_found(): void
{
    http_response_code(404);
    header('Content-Type: text/html; charset=windows-1252');
    echo "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n",
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\n",
        "<title>Not Found</title>\n</head>\n<body>\n<h1>Not Found</h1>\n",
        "<p>The page you asked for is not part of this site.</p>\n</body>\n</html>\n";
    exit;
}

// A six-digit request parameter as a number; anything else is not found.
function kln_idno_parameter(string $name): int
{
    $value = $_GET[$name] ?? null;
    if (!is_string($value) || preg_match('/^[0-9]{6}$/D', $value) !== 1) {
        kln_not_found();
    }
    return (int)$value;
}

// An optional page number (1 to 999999); a malformed one is not found.
function kln_page_parameter(string $name): int
{
    $value = $_GET[$name] ?? null;
    if ($value === null) {
        return 1;
    }
    if (!is_string($value) || preg_match('/^[0-9]{1,6}$/D', $value) !== 1 || (int)$value < 1) {
        kln_not_found();
    }
    return (int)$value;
}

// One of the site's data files, by its fixed name.
function kln_open(string $name)
{
    static $files = [];
    if (!isset($files[$name])) {
        $file = @fopen(__DIR__ . '/' . $name, 'rb');
        if ($file === false) {
            kln_not_found();
        }
        $files[$name] = $file;
    }
    return $files[$name];
}

// Slot n of an index file of fixed-size slots, or null past its end.
function kln_slot(string $name, int $size, int $n): ?string
{
    $file = kln_open($name);
    $stat = fstat($file);
    if ($n < 0 || $stat === false || ($n + 1) * $size > $stat['size']) {
        return null;
    }
    fseek($file, $n * $size);
    $bytes = fread($file, $size);
    return $bytes === false || strlen($bytes) !== $size ? null : $bytes;
}

// The offset in a data file of record n's entry; 0 when it has none.
function kln_offset(string $index, int $n): int
{
    $slot = kln_slot($index, KLN_OFFSET_SLOT, $n);
    if ($slot === null) {
        return 0;
    }
    $text = strstr($slot, "\n", true);
    return $text !== false && ctype_digit($text) ? (int)$text : 0;
}

// The lines of the entry at an offset, without their line ends, from "#%06d" (checked against
// the number asked for, when given) up to the closing "*". Null when there is none.
function kln_entry(string $data, int $offset, ?int $number = null): ?array
{
    if ($offset <= 0) {
        return null;
    }
    $file = kln_open($data);
    if (fseek($file, $offset) !== 0) {
        return null;
    }
    $first = fgets($file);
    if ($first === false || $first[0] !== '#') {
        return null;
    }
    if ($number !== null && rtrim($first, "\n") !== sprintf('#%06d', $number)) {
        return null;
    }
    $lines = [];
    while (($line = fgets($file)) !== false && count($lines) < 100000) {
        $line = rtrim($line, "\n");
        if ($line === '*') {
            return $lines;
        }
        $lines[] = $line;
    }
    return null;
}

// The entry of record n of a data file through its index.
function kln_record(string $index, string $data, int $n): ?array
{
    return kln_entry($data, kln_offset($index, $n), $n);
}

// The tab-separated fields after a line's key.
function kln_fields(string $line): array
{
    return explode("\t", substr($line, 2));
}

// The header lines of a person's entry ("0" name, "1" index name, ...), by key.
function kln_person_head(array $lines): array
{
    $head = [];
    foreach ($lines as $line) {
        if ($line !== '' && ctype_digit($line[0]) && !isset($head[$line[0]])) {
            $head[$line[0]] = substr($line, 1);
        }
    }
    return $head;
}

// A link to a person's page; "Private" for anyone the site does not show.
function kln_person_link(string $number, string $name, string $years = '', string $kind = ''): string
{
    if (preg_match('/^[0-9]{6}$/D', $number) !== 1 || $number === '000000') {
        return '<span class="private">Private</span>' . kln_h($kind);
    }
    $link = '<a href="kln_indpage.php?idno=' . $number . '">' . kln_h($name) . '</a>';
    if ($years !== '') {
        $link .= ' <span class="years">' . kln_h($years) . '</span>';
    }
    return $link . kln_h($kind);
}

// The number of published people and the record number at a sequence number (from 1).
function kln_people_count(): int
{
    $slot = kln_slot('seqindex', KLN_SEQUENCE_SLOT, 0);
    return $slot === null ? 0 : (int)substr($slot, 0, 6);
}

function kln_person_at(int $sequence): int
{
    $slot = kln_slot('seqindex', KLN_SEQUENCE_SLOT, $sequence);
    if ($slot === null) {
        return 0;
    }
    $text = strstr($slot, "\n", true);
    return $text !== false && ctype_digit($text) ? (int)$text : 0;
}

// The frame of every page, from the site's own template. The menu's individual entries lead to
// the person given, else to the first person of the index.
function kln_page_start(string $kind, string $subject, string $subtitle, int $active, int $idno): void
{
    $top = @file_get_contents(__DIR__ . '/sys/kln_top.txt');
    if ($top === false) {
        kln_not_found();
    }
    if ($idno <= 0) {
        $idno = kln_person_at(1);
    }
    $marks = [
        '%%KIND%%' => kln_h($kind),
        '%%SUBJECT%%' => kln_h($subject),
        '%%SUBTITLE%%' => kln_h($subtitle),
        '%%IDNO%%' => sprintf('%06d', $idno),
    ];
    for ($i = 0; $i < KLN_MENU_ENTRIES; $i++) {
        $marks["%%A$i%%"] = $i === $active ? ' class="activepg"' : '';
    }
    header('Content-Type: text/html; charset=windows-1252');
    echo strtr($top, $marks);
}

function kln_page_end(): void
{
    readfile(__DIR__ . '/sys/kln_bottom.txt');
}
