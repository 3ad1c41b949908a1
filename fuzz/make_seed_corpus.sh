#!/usr/bin/env bash
# Writes the seed corpus of the entry fuzzer into corpus/: one file per
# interesting entry, each behind a header that draws a known question (the
# layout of the header is in fuzz_input.h). Rerun after changing the list;
# the files are kept in the repository.
set -euo pipefail
cd "$(dirname "$0")"
out=corpus
rm -f "$out"/seed-*
mkdir -p "$out"

# The header byte that makes the draw u = (byte + 0.5) / 256 land in the
# middle of slot `slot` of `slots` equal slots of [0, 1).
slot_byte() { echo $(((2 * $1 + 1) * 256 / (2 * $2))); }

# header QUESTION_NO SCORED KIND R1 R2 TENTHS PATTERN
header() {
    local kind_byte
    case $3 in 1) kind_byte=80 ;; 2) kind_byte=170 ;; 3) kind_byte=230 ;; esac
    local bytes=(
        $(($1 - 1)) "$2" 0x35 0x36 "$kind_byte"
        "$(slot_byte $(($4 / 10)) 10)" "$(slot_byte $(($5 / 10)) 10)"
        "$(slot_byte "$6" 11)" "$(slot_byte $(($7 - 1)) 15)" 128 128 128
    )
    local b
    for b in "${bytes[@]}"; do
        printf "\\x$(printf %02x "$b")"
    done
}

# seed NAME QUESTION_NO SCORED KIND R1 R2 TENTHS PATTERN ENTRY (printf format)
seed() {
    local name=$1
    shift
    { header "$1" "$2" "$3" "$4" "$5" "$6" "$7"; printf -- "$8"; } >"$out/seed-$name"
}

# A current question (I = 0.3 A), a voltage question of pattern 4 (E1 = 15 V,
# E = 45 V) and a resistance question of pattern 4 (R1 = 60) and pattern 1
# (R = 150).
current() { seed "$1" 1 0 1 50 40 3 2 "$2"; }
voltage() { seed "$1" 4 0 2 30 60 5 4 "$2"; }
resistance() { seed "$1" 10 2 3 60 90 5 4 "$2"; }
total_resistance() { seed "$1" 7 1 3 60 90 5 1 "$2"; }

# Keypad forms: a blank before every digit.
current keypad-point-three ' 0. 3'
current keypad-point-first '. 3'
voltage keypad-fifteen ' 1 5'
resistance keypad-sixty ' 6 0'
total_resistance keypad-hundred-fifty ' 1 5 0'
current keypad-two-points ' 1.. 5'
current keypad-point-alone '.'
voltage keypad-twelve-point-five ' 1 2. 5'
resistance keypad-leading-zeros ' 0 0 6 0'

# Full-width forms, as a Japanese input method types them.
voltage fullwidth-fifteen '１５'
current fullwidth-point-three '０．３'
resistance fullwidth-sixty-unit '６０Ω'
voltage fullwidth-minus '－１５'
voltage fullwidth-plus '＋１５'
voltage ideographic-spaces '　１　５　'
voltage fullwidth-with-volt '１５Ｖ'

# Signs and points.
voltage plus '+15'
voltage minus '-15'
voltage two-signs '+-15'
voltage sign-alone '-'
voltage sign-then-blank '- 1 5'
current point-three '0.3'
current point-three-short '.3'
current point-three-trailing-zero '0.30'
current point-three-blanks ' . 3'
voltage trailing-point '15.'
voltage two-points '1.5.5'
voltage points-first '..5'
current minus-zero '-0'

# Blanks, tabs, line feeds: nothing to judge.
current empty ''
current blank ' '
current tab-and-line-feed '\t\n'
current ideographic-space '　'

# Words, exponents, prefixes and other number forms that are not numbers
# here.
current letters 'abc'
voltage digits-then-letters '15abc'
voltage exponent '1.5e1'
voltage hex '0xF'
current infinity-word 'inf'
current nan-word 'nan'
voltage comma-decimal '1,5'
voltage arabic-indic-digits '١٥'
voltage right-to-left-mark '\u200f15'
voltage emoji '😀15'
voltage control-characters '\x01\x1b[15'
voltage carriage-return '15\r'
voltage nul-inside '1\x005'

# Bytes that are not UTF-8: stray, truncated, overlong, surrogate.
voltage invalid-byte '\xff'
voltage invalid-inside '1\xff5'
voltage truncated-fullwidth '\xef\xbc'
voltage overlong-digit '\xc0\xb1\xc0\xb5'
voltage overlong-blank '\xc0\xa015'
voltage overlong-three-bytes '\xe0\x80\xb1'
voltage surrogate '\xed\xa0\x80'
voltage beyond-unicode '\xf4\x90\x80\x80'

# Huge digit runs: beyond a float, beyond a double, below the smallest double.
voltage beyond-float "1$(printf '0%.0s' {1..39})"
voltage beyond-double "$(printf '9%.0s' {1..400})"
voltage beyond-double-negative "-1$(printf '0%.0s' {1..400})"
current below-smallest-double "0.$(printf '0%.0s' {1..400})1"
current subnormal-double "0.$(printf '0%.0s' {1..315})1"
voltage fifteen-then-zeros "15.$(printf '0%.0s' {1..3000})"
voltage keypad-run "$(printf ' 9%.0s' {1..2000})"
voltage leading-zeros "$(printf '0%.0s' {1..1000})15"
