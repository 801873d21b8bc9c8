#!/bin/sh
# Wine's PostScript driver pipes each print job of the "G7K File Printer"
# here. The job becomes <document>-YYYY-MM-DD-HHMMSS.pdf in the folder named
# by G7K_PRINT_DIR, or else in the folder given as the first argument.
set -e
dir=${G7K_PRINT_DIR:-${1:-.}}
mkdir -p "$dir"
job=$(mktemp "$dir/.job-XXXXXX")
trap 'rm -f "$job" "$job.pdf"' EXIT
cat > "$job"

title=$(sed -n 's/^%%Title: *//p' "$job" | head -n 1 | tr -d '\r\n')
title=$(printf '%s' "${title:-print}" | tr -c 'A-Za-z0-9._-' '_')
name="$title-$(date +%Y-%m-%d-%H%M%S)"
out="$dir/$name.pdf"
n=1
while [ -e "$out" ]; do
  n=$((n + 1))
  out="$dir/$name-$n.pdf"
done

# Written beside and renamed, so a reader never sees half a file.
ps2pdf "$job" "$job.pdf"
mv "$job.pdf" "$out"
