#!/usr/bin/env bash
# Checks each Windows build's bin/ folder and its packages (package/: the installer and the
# ZIP made by cpack): the programs are there, are GUI programs of the right machine type,
# and import nothing but system DLLs (no MinGW runtime beside them).
set -euo pipefail

system_dlls='^(kernel32|user32|gdi32|winmm|comdlg32|comctl32|shell32|ole32|oleaut32|oleacc|advapi32|opengl32|glu32|msvcrt|windowscodecs|shlwapi|uxtheme|api-ms-win-[a-z0-9-]+)\.dll$'
status=0
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT

# check_program FILE NAME: FILE is a GUI program of $machine importing only system DLLs.
check_program() {
  local program=$1 name=$2 headers
  headers=$($objdump -p "$program" 2>/dev/null) || true
  if ! $objdump -f "$program" 2>/dev/null | grep -q "file format $machine"; then
    echo "$build: $name is not $machine"; status=1
  fi
  if ! grep -q 'Subsystem.*(Windows GUI)' <<<"$headers"; then
    echo "$build: $name is not a GUI program"; status=1
  fi
  while read -r dll; do
    if ! grep -qiE "$system_dlls" <<<"$dll"; then
      echo "$build: $name imports $dll"; status=1
    fi
  done < <(grep 'DLL Name:' <<<"$headers" | awk '{print $3}')
  echo "$build: $name imports $(grep 'DLL Name:' <<<"$headers" | awk '{print $3}' | tr '\n' ' ')"
}

for build in "$@"; do
  case "$build" in
    *win32*) objdump=i686-w64-mingw32-objdump; machine='pei-i386' ;;
    *) objdump=x86_64-w64-mingw32-objdump; machine='pei-x86-64' ;;
  esac
  for program in "$build"/bin/*; do
    [ -f "$program" ] || continue
    check_program "$program" "${program#"$build/"}"
  done
  [ -f "$build/bin/Wavorin.scr" ] || { echo "$build: bin/Wavorin.scr is missing"; status=1; }

  installers=("$build"/package/*-setup.exe)
  zips=("$build"/package/*.zip)
  [ ${#installers[@]} = 1 ] && [ -f "${installers[0]}" ] || { echo "$build: not one installer in package/"; status=1; }
  [ ${#zips[@]} = 1 ] && [ -f "${zips[0]}" ] || { echo "$build: not one ZIP in package/"; status=1; }
  for installer in "${installers[@]}"; do
    [ -f "$installer" ] && check_program "$installer" "${installer#"$build/"}"
  done
  for zip in "${zips[@]}"; do
    [ -f "$zip" ] || continue
    folder=$(basename "$zip" .zip)
    rm -rf "${unpacked:?}"/* && (zip=$(realpath "$zip") && cd "$unpacked" && cmake -E tar xf "$zip")
    for file in Wavorin.scr Wavorin.dll README.txt LICENSE.txt THIRD-PARTY-NOTICES.txt; do
      [ -f "$unpacked/$folder/$file" ] || { echo "$build: $folder.zip holds no $folder/$file"; status=1; }
    done
    for program in "$unpacked/$folder"/Wavorin.scr "$unpacked/$folder"/Wavorin.dll; do
      [ -f "$program" ] && check_program "$program" "$folder.zip:${program#"$unpacked/$folder/"}"
    done
  done
done
exit $status
