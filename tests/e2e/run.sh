#!/usr/bin/env bash
# ShopCode.exe as a user meets it: under Wine in its own virtual X server, with its own
# temporary Wine prefix and home (whose Desktop is the program's desktop). Types into the
# fields, clicks the buttons and reads the clipboard from the X side, where Wine hands it
# over as UTF-8 with LF line ends. Saves screenshots at 96 and 144 DPI in build/screenshots.
# WINEARCH=win32 makes the prefix a 32-bit Windows, for the 32-bit program.
# Usage: [WINEARCH=win32] tests/e2e/run.sh path/to/ShopCode.exe
set -euo pipefail
exe=$(realpath "$1")
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/xvfb.sh"
shots=$root/build/screenshots
mkdir -p "$shots"
work=$(mktemp -d)
export HOME=$work/home WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine stores file names in the charset of the Unix locale: without UTF-8 there (a minimal
# system sets no locale at all) the program's Chinese desktop files cannot exist.
export LC_ALL=${LC_ALL:-C.UTF-8}
desktop=$HOME/Desktop
mkdir -p "$desktop"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  kill "${xvfb:-}" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
# A virtual X server of our own on a free display; room for the window at 144 DPI.
start_xvfb "$work" 1600x1200x24 || { echo "FAIL: no X server"; exit 1; }

# Every wait on Wine has a limit: a hung start fails the test instead of holding CI.
if ! timeout 300 wineboot -i >"$work/wineboot.log" 2>&1; then
  echo "FAIL: no Wine prefix (wineboot failed or took over 300 s); it said:"
  tail -n 5 "$work/wineboot.log"
  exit 1
fi
if [ "${WINEARCH:-}" = win32 ]; then
  # A 32-bit Windows, as the 32-bit program meets it on a 32-bit edition.
  arch=$(wine reg query 'HKLM\System\CurrentControlSet\Control\Session Manager\Environment' /v PROCESSOR_ARCHITECTURE 2>/dev/null |
    awk '/PROCESSOR_ARCHITECTURE/ {print $NF}' | tr -d '\r')
  [ "$arch" = x86 ] && pass "a 32-bit Windows (PROCESSOR_ARCHITECTURE $arch)" ||
    { echo "FAIL: WINEARCH=win32 gave no 32-bit Windows (PROCESSOR_ARCHITECTURE '$arch')"; exit 1; }
fi
# The shell's "open" of web addresses and files ends in winebrowser: let it log instead of
# starting a browser, so the test sees exactly what was opened.
cat >"$work/browser.sh" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$*" >>"$work/opened.log"
SCRIPT
chmod +x "$work/browser.sh"
wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$work/browser.sh" /f >/dev/null 2>&1
# Fonts as on a Chinese Windows, so the screenshots show what a shop owner sees.
bash "$root/scripts/wine-chinese-fonts.sh"
timeout 60 wineserver -w || { echo "FAIL: Wine did not settle within 60 s"; exit 1; }

window=""
# Starts the program and waits for its window. A start whose window never comes is tried
# once more (seen once in CI: a fresh prefix's first start under load), saying so.
launch() {
  WINEDEBUG=err+all wine "$exe" >>"$work/wine.log" 2>&1 &
  app=$!
  window=""
  for _ in $(seq 400); do
    window=$(xdotool search --name 'ShopCode' 2>/dev/null | head -n1) && [ -n "$window" ] && return 0
    sleep 0.1
  done
  echo "the window did not appear ($(kill -0 "$app" 2>/dev/null && echo still running || echo program ended)); Wine said:"
  tail -n 20 "$work/wine.log"
  wineserver -k >/dev/null 2>&1 || true  # no late window of this start may be taken for the next
  timeout 60 wineserver -w || true
  return 1
}
start() {
  launch || { echo "RETRY: starting once more"; launch; } || { echo "FAIL: the window did not appear"; exit 1; }
  sleep 1  # first paint
  timeout 10 xdotool windowfocus --sync "$window" 2>/dev/null || true
}
# Sets rc to the program's exit code once it has ended by itself, within 30 seconds; to 124
# when it has not, and then ends it.
ended() {
  for _ in $(seq 300); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
  rc=0
  if kill -0 "$app" 2>/dev/null; then
    echo "the program did not end within 30 s"
    wineserver -k >/dev/null 2>&1 || true
    wait "$app" 2>/dev/null || true
    rc=124
  else
    wait "$app" || rc=$?
  fi
}
# Clicks the centre of a control given by its left, top, width and height in the client area
# (without a window manager the X window is the client area).
click() { xdotool mousemove --window "$window" $(($1 + $3 / 2)) $(($2 + $4 / 2)) click 1; sleep 0.3; }
clipboard() { xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null; }
# Puts UTF-8 text on the X clipboard and pastes it over the whole text of the focused box.
paste() {
  printf '%s' "$1" | xclip -i -selection clipboard
  xdotool key --clearmodifiers End shift+Home ctrl+v
  sleep 0.3
}
type_into() { click "$@"; xdotool key --clearmodifiers End shift+Home BackSpace; xdotool type --delay 20 "$5"; }
percent() { printf '%s' "$1" | od -An -tx1 | tr -d ' \n' | tr a-f A-F | sed 's/../%&/g'; }
check() {  # name expected actual
  if [ "$2" == "$3" ]; then pass "$1"; else
    fail "$1"; printf '  expected: %s\n  actual:   %s\n' "$2" "$3"
  fi
}
screenshot() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$1"
}

# Client-area rectangles of the controls used (left, top, width, height at 96 DPI).
box1="88 24 256 24"; box2="88 56 256 24"; button1="360 40 56 24"; button4="360 128 56 24"
box3="16 208 416 184"; button5="456 352 80 24"
button2="24 400 64 32"; button3="120 400 64 32"; link="328 408 104 24"
box6="504 24 192 24"; box7="504 56 192 24"; width_box="488 408 40 24"; height_box="584 408 40 24"
radio2="552 384 72 16"; button7="640 352 56 80"

start
screenshot "$shots/window-96dpi.png"
xprop -id "$window" -f _NET_WM_ICON 32x ' = $0+\n' _NET_WM_ICON | grep -qi '0xffff5000' && pass "application icon shown (its orange)" || fail "no application icon"
version=$(strings -el "$exe" | grep -A1 -x 'ProductVersion' | tail -n1)
[ -n "$version" ] && pass "version information $version" || fail "no version information"

# Customer-service badge for a Chinese account, pasted as a user would.
account='店小二abc'
click $box1
paste "$account"
click $button1
click $button2
code=$(percent "$account")
check "badge on the clipboard" \
  "<a target=\"_blank\" href=\"http://www.taobao.com/webww/ww.php?ver=3&touid=$code&siteid=cntaobao&status=1&charset=utf-8\"><img border=\"0\" src=\"http://amos.alicdn.com/online.aw?v=2&uid=$code&site=cntaobao&s=1&charset=utf-8\" alt=\"点这里给我发消息\" /></a>" \
  "$(clipboard)"

# Favourites link from the sample shop address and image.
click $button4
click $button2
check "favourites link on the clipboard" \
  '<a href="http://favorite.taobao.com/popup/add_collection.htm?id=35871246&amp;itemid=35871246&amp;itemtype=0" target="_self" title=""><img src="http://www.example.com/images/favorite.gif" /></a>' \
  "$(clipboard)"

# Carousel: typed size and image, a Chinese link, the scroll effect.
type_into $width_box 750
type_into $height_box 300
type_into $box7 'http://img.example.com/1.jpg'
click $box6
paste 'http://shop.example.com/新品'
click $radio2
click $button7
click $button2
template='<DIV style="WIDTH: 752px; HEIGHT: 250px" class="slider-promo J_Slider J_TWidget" data-widget-config="{'"'"'effect'"'"':'"'"'fade'"'"','"'"'contentCls'"'"': '"'"'lst-main'"'"', '"'"'navCls'"'"': '"'"'lst-trigger'"'"', '"'"'activeTriggerCls'"'"': '"'"'current'"'"'}" data-widget-type="Slide" data-type="fade">
<ul class=lst-main>'
for k in 1 2 3 4 5; do
  template+="
<li><A style=\"WIDTH: 752px; HEIGHT: 250px\" href=\"链接$k\" target=_blank><img src=\"图片$k\" alt=\"\" width=\"752\" height=\"250\"></A></li>"
done
template+='
</ul></DIV>'
expected=$(printf '%s' "$template" | sed -e 's/752/750/g; s/250/300/g; s#图片1#http://img.example.com/1.jpg#; s/图片[2-5]//' \
  -e 's#链接1#http://shop.example.com/新品#; s/链接[2-5]//; s/fade/scrolly/g')
carousel=$(clipboard)
check "carousel on the clipboard" "$expected" "$carousel"

# Preview: the desktop file holds the code box bytes in code page 936, CR LF between lines.
click $button3
preview="$desktop/测试代码.html"
if [ -f "$preview" ]; then
  check "preview file" "$(printf '%s' "$expected" | sed 's/$/\r/; $ s/\r$//' | iconv -f UTF-8 -t GBK | od -An -tx1)" \
    "$(od -An -tx1 <"$preview")"
else
  fail "preview file not written"
fi

# --- Characters beyond code page 936 (emoji, ©, À): none becomes '?' or a look-alike ---
# Pasted into the badge fields, they reach the snippet as references (the account as its
# real UTF-8, percent-encoded); the code box, holding them itself, copies them as they are;
# the preview file has the references in code page 936; a UTF-8 list without a mark (as
# Notepad saves) imports with references.
click $box1
paste 'shop😊'
click $box2
paste '咨询 😊 ©'
click $button1
click $button2
code=$(percent 'shop😊')
check "badge with an emoji and (c)" \
  "<a target=\"_blank\" href=\"http://www.taobao.com/webww/ww.php?ver=3&touid=$code&siteid=cntaobao&status=1&charset=utf-8\"><img border=\"0\" src=\"http://amos.alicdn.com/online.aw?v=2&uid=$code&site=cntaobao&s=1&charset=utf-8\" alt=\"咨询 &#128522; &#169;\" /></a>" \
  "$(clipboard)"
click $box3
printf '%s' '<p title="😊">© À 中</p>' | xclip -i -selection clipboard
xdotool key --clearmodifiers ctrl+Home ctrl+shift+End ctrl+v
sleep 0.3
click $button2
check "code box copied with its own characters" '<p title="😊">© À 中</p>' "$(clipboard)"
click $button3
check "preview file with references" "$(printf '<p title="&#128522;">&#169; &#192; 中</p>' | iconv -f UTF-8 -t GBK | od -An -tx1)" \
  "$(od -An -tx1 <"$preview")"
printf 'http://img.example.com/新品😊%s.jpg\r\n' 1 2 3 4 5 >"$desktop/图片测试地址.txt"
click $button5
click $box7
xdotool key --clearmodifiers End shift+Home ctrl+c
sleep 0.3
check "UTF-8 list without a mark imported" 'http://img.example.com/新品&#128522;1.jpg' "$(clipboard)"

# The hyperlink opens the seller back office through the shell.
click $link
for _ in $(seq 50); do grep -q 'myseller' "$work/opened.log" 2>/dev/null && break; sleep 0.1; done
grep -q 'https://myseller.taobao.com/' "$work/opened.log" 2>/dev/null && pass "hyperlink opened" ||
  fail "hyperlink not opened: $(cat "$work/opened.log" 2>/dev/null)"

# Esc closes: the preview file goes, the program ends with 0.
click $box1
xdotool key --clearmodifiers Escape
ended
check "exit code" 0 "$rc"
[ ! -e "$preview" ] && pass "preview file removed on close" || fail "preview file left on the desktop"

# The same window at 144 DPI, for the eye.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
timeout 60 wineserver -w || { echo "FAIL: Wine did not settle within 60 s"; exit 1; }
start
screenshot "$shots/window-144dpi.png"
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" -gt 1000 ] && pass "window scaled at 144 DPI (${WIDTH}x${HEIGHT})" || fail "window not scaled: ${WIDTH}x${HEIGHT}"
xdotool key --clearmodifiers Escape
ended
check "exit code at 144 DPI" 0 "$rc"

echo "screenshots: $shots/window-96dpi.png $shots/window-144dpi.png"
[ "$failures" -eq 0 ] && echo "end-to-end: all passed" || { echo "end-to-end: $failures failed"; exit 1; }
