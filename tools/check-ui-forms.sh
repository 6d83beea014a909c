#!/usr/bin/env bash
# Fails while two Designer forms (*.ui) share a passage of more than 20
# lines: a form copied to make a second dialog, or a block pasted into
# several, belongs in one form, or in code, that both use. Lines are compared
# without their indentation.
#
#   tools/check-ui-forms.sh            # the forms of this tree
#   tools/check-ui-forms.sh A.ui B.ui  # just these
#
# MAX_SHARED sets the limit.
set -euo pipefail

if [ $# -eq 0 ]; then
    cd "$(dirname "$0")/.."
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        mapfile -t forms < <(git ls-files --cached --others --exclude-standard -- '*.ui')
    else
        mapfile -t forms < <(find . -name '*.ui' -not -path './build*' | sort)
    fi
else
    forms=("$@")
fi

MAX_SHARED=${MAX_SHARED:-20} perl -e '
    use strict;
    use warnings;
    my $limit = $ENV{MAX_SHARED};
    my %lines;
    for my $form (@ARGV) {
        open my $in, "<", $form or die "$form: $!\n";
        $lines{$form} = [map { s/^\s+|\s+$//gr } <$in>];
    }
    # The longest run of equal lines in both, and where it starts in each.
    sub longest_shared {
        my ($a, $b) = @_;
        my ($best, $atA, $atB) = (0, 0, 0);
        my @previous = (0) x (@$b + 1);
        for my $i (1 .. @$a) {
            my @current = (0);
            for my $j (1 .. @$b) {
                my $run = $a->[$i - 1] eq $b->[$j - 1] ? $previous[$j - 1] + 1 : 0;
                push @current, $run;
                ($best, $atA, $atB) = ($run, $i - $run + 1, $j - $run + 1) if $run > $best;
            }
            @previous = @current;
        }
        return ($best, $atA, $atB);
    }
    my ($failed, $most, $pairOfMost) = (0, 0, "");
    my @forms = sort keys %lines;
    for my $x (0 .. $#forms) {
        for my $y ($x + 1 .. $#forms) {
            my ($a, $b) = @forms[$x, $y];
            my ($run, $atA, $atB) = longest_shared($lines{$a}, $lines{$b});
            ($most, $pairOfMost) = ($run, "$a and $b") if $run > $most;
            next if $run <= $limit;
            printf "%s:%d and %s:%d share %d lines\n", $a, $atA, $b, $atB, $run;
            $failed = 1;
        }
    }
    printf "%d forms; the most two share is %d lines (%s), the limit %d.\n",
        scalar @forms, $most, $pairOfMost || "none", $limit;
    exit $failed;
' "${forms[@]}"
