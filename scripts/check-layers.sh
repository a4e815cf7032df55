#!/usr/bin/env bash
# Checks that every C++ file includes only from its own folder's layer and
# those below it, that the portable folders include no Windows or COM
# header, and that only platform/ itself names a concrete platform adapter
# (platform/win32, platform/posix, platform/fake), and that only office/
# names an Office adapter (office/win32, office/fake). office/win32 is a
# layer of its own: the one Windows part of office/; tools/tqstore, the
# administration tool, is portable and may use every portable layer;
# tools/reference, which writes the member reference from the type library,
# is a Windows program. Run by CTest in the native lane; prints one line per
# breach and exits 1 when there is any.
#
# Usage: bash scripts/check-layers.sh [source-root]
set -euo pipefail
root=$(cd "${1:-$(dirname "$0")/..}" && pwd)
cd "$root"

# Each folder and the folders it may include from (its own included).
declare -A may=(
  [common]="common"
  [platform]="common platform"
  [store]="common platform store"
  [watermarks]="common platform watermarks"
  [addin]="common platform store addin"
  [profiles]="common platform store watermarks addin profiles"
  [office]="common platform office"
  [office/win32]="common platform com office"
  [printing]="common platform store watermarks addin profiles office printing"
  [main_object]="common platform store watermarks addin profiles office printing main_object"
  [com]="common platform com"
  [sdk]="common platform store watermarks addin profiles office printing main_object com typelib sdk"
  [server]="common platform store watermarks addin profiles office printing main_object com typelib sdk server"
  [tools/tqstore]="common platform store watermarks addin profiles office printing main_object tools"
  [tools/reference]="common platform store watermarks addin profiles office printing main_object com tools"
)
# Folders that run on every platform: no Windows or COM headers.
portable="common platform store watermarks addin profiles office printing main_object tools/tqstore"
windows_headers='windows|winbase|winreg|winspool|wingdi|winuser|ole2|oleauto|oaidl|ocidl|objbase|unknwn|wtypes|shellapi|shlobj|comdef|msxml[0-9]*'

breaches=0
breach() {
  echo "$1"
  breaches=$((breaches + 1))
}

while IFS= read -r file; do
  folder=${file%%/*}
  case "$file" in
    office/win32/*) folder=office/win32 ;;
    tools/tqstore/*) folder=tools/tqstore ;;
    tools/reference/*) folder=tools/reference ;;
  esac
  [ -n "${may[$folder]+set}" ] || continue
  allowed=" ${may[$folder]} "
  in_platform_adapter=0
  case "$file" in platform/win32/* | platform/posix/* | platform/fake/*) in_platform_adapter=1 ;; esac
  while IFS=: read -r line text; do
    if [[ "$text" =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([^\"/]+)/([^\"]*)\" ]]; then
      target=${BASH_REMATCH[1]}
      path=${BASH_REMATCH[1]}/${BASH_REMATCH[2]}
      if [[ "$allowed" != *" $target "* ]]; then
        breach "$file:$line: includes \"$path\"; $folder/ may include from:${may[$folder]/#/ }"
      elif [[ "$path" =~ ^platform/(win32|posix|fake)/ ]] && [ "$folder" != platform ]; then
        breach "$file:$line: includes the adapter \"$path\"; use the interfaces of platform/"
      elif [[ "$path" =~ ^office/(win32|fake)/ ]] && [[ "$folder" != office* ]]; then
        breach "$file:$line: includes the adapter \"$path\"; use the interfaces of office/"
      fi
    elif [[ "$text" =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\<(${windows_headers})\.h\> ]]; then
      if [[ " $portable " == *" $folder "* ]] && [ "$in_platform_adapter" -eq 0 ]; then
        breach "$file:$line: includes <${BASH_REMATCH[1]}.h> in the portable folder $folder/"
      fi
    fi
  done < <(grep -n '^[[:space:]]*#[[:space:]]*include' "$file" || true)
done < <(find "${!may[@]}" -type f \( -name '*.h' -o -name '*.cc' -o -name '*.c' \) 2>/dev/null | sort -u)

if [ "$breaches" -gt 0 ]; then
  echo "check-layers: $breaches include(s) cross the layers"
  exit 1
fi
echo "check-layers: every include keeps to its layer"
