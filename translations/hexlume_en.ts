<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Numbers</name>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>bytes %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bits %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pixel (%1, %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pixels (%1, %2) to (%3, %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (stored row %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stored row %1, past the picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Window of the data: lines %1–%2 of %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dump is cut at %1 pixels; its pixel-data memo shows these lines of the data instead of its first ones. Ctrl+Home goes back to the top.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFQForm</name>
    <message>
        <source>帮助</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使用说明:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>作    者：佚名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>联    系：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>博    客： </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IM 000000  hexlume@example.org</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>点击访问</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hexlume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Hexlume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap File Header 位图文件头信息</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap Info Header 位图信息头信息</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview | Start here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>从这里开始--您可以尝试你的鼠标左右键哦！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 0   1   2   3   4   5   6   7   8   9   A   B   C   D   E   F(l=m-n+1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ChangeColors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact..</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hexlume::DumpEditing</name>
    <message>
        <source>Set file &amp;size...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file is open.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hexlume::DumpNavigator</name>
    <message>
        <source>&amp;Go to offset...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find &amp;next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find &amp;previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the &amp;top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To the &amp;end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file is open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not in the file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found at offset %1. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Went round past the end of the file, back to its start. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Went round past the start of the file, back to its end. </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hexlume::DumpQueryDialog</name>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>42 4D ?? 00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex bytes (?? for any byte)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text as typed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1086, 0x43E, +16 or -16 from the lit byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find &amp;next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find &amp;previous</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hexlume::FieldsModel</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hexlume::FieldsWindow</name>
    <message>
        <source>Fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fields — %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a row to light its bytes in the dump.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hexlume::FileSizeDialog</name>
    <message>
        <source>Set file size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1086 or 0x43E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A smaller size cuts the file; a larger one adds zero bytes at its end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file has %1 (%2). New size:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hexlume::FileWindows</name>
    <message>
        <source>The finding&apos;s first byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chosen byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chosen field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chosen row&apos;s first byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No bytes of the file hold this pixel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset %1, %2. %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clicked byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at offset %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no pixel of the picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 draws %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hexlume::FindingsBadge</name>
    <message>
        <source>The checker finds nothing wrong or worth noting in this file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Click or press F8 for the list of findings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

The dump does not show all of this file as it is; the list (click, or F8) says what it leaves out, apart from the findings.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hexlume::FindingsWindow</name>
    <message>
        <source>&amp;Fix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fix &amp;all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Findings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Severity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the dump</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make the chosen finding&apos;s repair, as one edit to undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make every repair the file&apos;s own bytes leave one answer for, as one edit to undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repairs that guess</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Findings — %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The checker finds nothing wrong or worth noting in this file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a finding to see its bytes in the dump.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the dump cannot show as the file has it (limits of this window, not findings):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fix</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hexlume::PictureView</name>
    <message>
        <source>No bitmap is open.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hexlume::PictureWindow</name>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit the picture to the window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1:1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One screen pixel a pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>−</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom in, up to 64 times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What to draw of each pixel: its colour, a channel&apos;s stored value as grey, or one bit of it, white where the bit is 1 ([ and ] step through them, { and } from channel to channel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture — %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the %1 stored past the picture, which its height leaves out: %2 at its %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1x%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows past the picture: the file holds no whole rows of it beside the pixel data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a row past the picture&apos;s height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 %2 past the picture&apos;s height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point at a pixel to see its value; click it to light its bytes in the dump.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1×</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hexlume::TFQForm</name>
    <message>
        <source>Findings: the dark badge beside the × and ? buttons counts what is wrong with the file. Click it or press F8 for the Findings window; F8 and Shift+F8 step to the next and previous finding, and choosing one lights its bytes in the dump.

Picture: Ctrl+Shift+P, or the preview&apos;s right-click menu, opens the Picture window, drawn from the file&apos;s own bytes. Ctrl+wheel or +/− zooms, Ctrl+0 fits, the arrow keys pan; the line under the picture names the pixel under the pointer, and a click lights its bytes in the dump. The list beside the zoom shows a channel as grey or one bit plane of it, white where the bit is 1: [ and ] step through the planes, { and } from channel to channel. &quot;All rows&quot; adds the whole rows stored past the picture, which a lowered height hides.

Fields: Ctrl+Shift+F, or the preview&apos;s right-click menu, opens the Fields window: every field of the file&apos;s own header version, each colour-table entry and every other part, with its offset, type, value and meaning. Choosing a row lights its bytes in the dump; a finding marks its row.

Editing: double-click a value in a table or the Fields window (or press F2 or Enter) and type hex digits as shown, 0x and hex, or decimal with a sign or a trailing dot (64.); a colour entry takes #RRGGBB. In the dump, hex digits typed at the lit byte overwrite it; &quot;Set file size...&quot; in the dump&apos;s menu cuts the file or extends it with zero bytes. The opened file is never written.

Following the file: when another program rewrites the open file, the window reads it again, tints the bytes that changed and says so over the preview.

In the dump: Ctrl+G goes to an offset (decimal, 0x hex, or +/− from the caret); Ctrl+F finds hex bytes (?? for any byte) or text, F3 and Shift+F3 the next and previous. Rest the pointer on a byte or a table cell to learn what it is.

hexlume-dump reads bitmaps without a window:
  hexlume-dump FILE: tables, dump and findings
  --check [-v] FILE|FOLDER...: OK, WARN or ERROR
  --at OFFSET FILE: what one byte is
  --pixel X,Y FILE: where one pixel lives
  --picture FILE -o OUT.png, --export FILE
  --json FILE, --diff A B
hexlume-dump --help lists every option.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>◂ Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys and windows ▸</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hexlume::TMainForm</name>
    <message>
        <source>&amp;Picture...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fields...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has edits that are not saved. Save them as a new file before closing?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has edits that are not saved. Save them as a new file before opening %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File gone: last version shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no longer there; the window shows it as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unreadable now: last version shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 changed on disk, and the edits here are not saved. Save them as a new file before it is read again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reloaded: %1 changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file changed on disk and was read again; the bytes that differ are tinted in the dump until the next open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a bitmap as edited: last good version shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory to show the edits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Z takes the edits back, past the save too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 edited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, size %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bytes that differ from %1 as %2 are tinted in the dump; Ctrl+Z takes the last edit back, Ctrl+Shift+S saves them as a new file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Images</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hexlume::ValueEditor</name>
    <message>
        <source>Hex digits as shown, 0x and hex, or decimal with a sign or a trailing dot (64.); Enter writes, Escape cancels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A colour as #RRGGBB; Enter writes, Escape cancels.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
