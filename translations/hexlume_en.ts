<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Decoder</name>
    <message>
        <source>the icon&apos;s PNG stream has no IHDR with a size</source>
        <translation>the icon&apos;s PNG stream has no IHDR with a size</translation>
    </message>
    <message>
        <source>biSize %1 is not an info header size</source>
        <translation>biSize %1 is not an info header size</translation>
    </message>
    <message>
        <source>the file ends inside the %1 (%2 of %3)</source>
        <translation>the file ends inside the %1 (%2 of %3)</translation>
    </message>
    <message>
        <source>biCompression %1 is not a compression</source>
        <translation>biCompression %1 is not a compression</translation>
    </message>
    <message>
        <source>biBitCount %1 is not a pixel format</source>
        <translation>biBitCount %1 is not a pixel format</translation>
    </message>
    <message>
        <source>biBitCount %1 is not a pixel format with biCompression %2</source>
        <translation>biBitCount %1 is not a pixel format with biCompression %2</translation>
    </message>
    <message>
        <source>biWidth 0 leaves no pixels</source>
        <translation>biWidth 0 leaves no pixels</translation>
    </message>
    <message>
        <source>biHeight 0 leaves no pixels</source>
        <translation>biHeight 0 leaves no pixels</translation>
    </message>
    <message>
        <source>%1 x %2 pixels cannot be drawn</source>
        <translation>%1 x %2 pixels cannot be drawn</translation>
    </message>
    <message>
        <source>the region holds none of the picture&apos;s pixels</source>
        <translation>the region holds none of the picture&apos;s pixels</translation>
    </message>
    <message>
        <source>the embedded %1 stream: %2</source>
        <translation>the embedded %1 stream: %2</translation>
    </message>
</context>
<context>
    <name>Dump</name>
    <message>
        <source>Bitmap File Header</source>
        <translation>Bitmap File Header</translation>
    </message>
    <message>
        <source>Bitmap Info Header</source>
        <translation>Bitmap Info Header</translation>
    </message>
    <message>
        <source>Bitmap palette</source>
        <translation>Bitmap palette</translation>
    </message>
    <message>
        <source>Bitmap data</source>
        <translation>Bitmap data</translation>
    </message>
    <message>
        <source>Bitmap File dosn&apos;t has palette!</source>
        <translation>Bitmap File dosn&apos;t has palette!</translation>
    </message>
    <message>
        <source>Bitmap File dosn&apos;t has data!</source>
        <translation>Bitmap File dosn&apos;t has data!</translation>
    </message>
    <message>
        <source>图像数据Data段太长，程序不能完整显示。</source>
        <translation>The pixel data is too long for the window to show whole.</translation>
    </message>
    <message>
        <source>是否使用文件完整导出？</source>
        <translation>Export it whole to a file?</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>文件导出失败！</source>
        <translation>The file could not be exported!</translation>
    </message>
    <message>
        <source>文件导出到文件:%1</source>
        <translation>Exported to the file %1</translation>
    </message>
    <message>
        <source>file-header memo</source>
        <translation>file-header memo</translation>
    </message>
    <message>
        <source>info-header memo</source>
        <translation>info-header memo</translation>
    </message>
    <message>
        <source>palette memo</source>
        <translation>palette memo</translation>
    </message>
    <message>
        <source>pixel-data memo</source>
        <translation>pixel-data memo</translation>
    </message>
    <message>
        <source>The pixel-data memo starts %1 before %2 because those %1 are the %3.</source>
        <translation>The pixel-data memo starts %1 before %2 because those %1 are the %3.</translation>
    </message>
    <message>
        <source>The %1 shows %2, which are the %3 (%4 of its %5).</source>
        <translation>The %1 shows %2, which are the %3 (%4 of its %5).</translation>
    </message>
    <message>
        <source>The %1 shows %2, which are the %3.</source>
        <translation>The %1 shows %2, which are the %3.</translation>
    </message>
    <message>
        <source>The info-header memo shows 40 of the %1&apos; %2 bytes; the %3 after them appear in no memo.</source>
        <translation>The info-header memo shows 40 of the %1&apos; %2 bytes; the %3 after them appear in no memo.</translation>
    </message>
    <message>
        <source>The info-header memo shows 40 of the %1&apos;s %2 bytes; the %3 after them appear in no memo.</source>
        <translation>The info-header memo shows 40 of the %1&apos;s %2 bytes; the %3 after them appear in no memo.</translation>
    </message>
    <message>
        <source>The %1 (%2) appear in no memo.</source>
        <translation>The %1 (%2) appear in no memo.</translation>
    </message>
    <message>
        <source>The %1 (%2) appears in no memo.</source>
        <translation>The %1 (%2) appears in no memo.</translation>
    </message>
    <message>
        <source>%1 of the %2&apos; %3 appear in no memo, the first at offset %4.</source>
        <translation>%1 of the %2&apos; %3 appear in no memo, the first at offset %4.</translation>
    </message>
    <message>
        <source>%1 of the %2&apos;s %3 appear in no memo, the first at offset %4.</source>
        <translation>%1 of the %2&apos;s %3 appear in no memo, the first at offset %4.</translation>
    </message>
    <message>
        <source>The palette memo reads 4-byte entries; this %1&apos; %2 colours are 3 bytes each (blue, green, red).</source>
        <translation>The palette memo reads 4-byte entries; this %1&apos; %2 colours are 3 bytes each (blue, green, red).</translation>
    </message>
    <message>
        <source>The palette memo reads 4-byte entries; this %1&apos;s %2 colours are 3 bytes each (blue, green, red).</source>
        <translation>The palette memo reads 4-byte entries; this %1&apos;s %2 colours are 3 bytes each (blue, green, red).</translation>
    </message>
    <message>
        <source>The dump stops before line %1: the last %2 of the pixel data, from offset %3, are past the cut; go to an offset (Ctrl+G) or find (Ctrl+F) to show them.</source>
        <translation>The dump stops before line %1: the last %2 of the pixel data, from offset %3, are past the cut; go to an offset (Ctrl+G) or find (Ctrl+F) to show them.</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>Its bytes start on dump line %1.</source>
        <translation>Its bytes start on dump line %1.</translation>
    </message>
    <message>
        <source>past the cut</source>
        <translation>past the cut</translation>
    </message>
    <message>
        <source>The dump is cut before these bytes: open the file again and answer Yes to export the whole pixel-data dump.</source>
        <translation>The dump is cut before these bytes: open the file again and answer Yes to export the whole pixel-data dump.</translation>
    </message>
    <message>
        <source>in no memo</source>
        <translation>in no memo</translation>
    </message>
    <message>
        <source>No memo of the dump shows these bytes: they lie outside the four regions it reads.</source>
        <translation>No memo of the dump shows these bytes: they lie outside the four regions it reads.</translation>
    </message>
    <message>
        <source>KeyName</source>
        <translation>KeyName</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
</context>
<context>
    <name>Editing</name>
    <message>
        <source>type an offset: 1086, 0x43E, or +16 / -16 from the lit byte</source>
        <translation>type an offset: 1086, 0x43E, or +16 / -16 from the lit byte</translation>
    </message>
    <message>
        <source>not an offset: %1</source>
        <translation>not an offset: %1</translation>
    </message>
    <message>
        <source>before the start of the file</source>
        <translation>before the start of the file</translation>
    </message>
    <message>
        <source>past the end of the file (%1)</source>
        <translation>past the end of the file (%1)</translation>
    </message>
    <message>
        <source>type the text to find</source>
        <translation>type the text to find</translation>
    </message>
    <message>
        <source>type the bytes to find: 42 4D, ?? for any byte</source>
        <translation>type the bytes to find: 42 4D, ?? for any byte</translation>
    </message>
    <message>
        <source>not hex bytes: %1 (an odd number of digits; two make a byte)</source>
        <translation>not hex bytes: %1 (an odd number of digits; two make a byte)</translation>
    </message>
    <message>
        <source>not hex bytes: %1 (two hex digits a byte, ?? for any byte)</source>
        <translation>not hex bytes: %1 (two hex digits a byte, ?? for any byte)</translation>
    </message>
    <message>
        <source>%1 lies past the end of the file</source>
        <translation>%1 lies past the end of the file</translation>
    </message>
    <message>
        <source>%1: the file has no such header</source>
        <translation>%1: the file has no such header</translation>
    </message>
    <message>
        <source>%1: %2 are not one field of this file&apos;s %3; change them in the Fields window or in the dump</source>
        <translation>%1: %2 are not one field of this file&apos;s %3; change them in the Fields window or in the dump</translation>
    </message>
    <message>
        <source>%1: %2 are not one field of this file&apos;s headers; change them in the Fields window or in the dump</source>
        <translation>%1: %2 are not one field of this file&apos;s headers; change them in the Fields window or in the dump</translation>
    </message>
    <message>
        <source>The %1 is changed byte by byte in the dump</source>
        <translation>The %1 is changed byte by byte in the dump</translation>
    </message>
    <message>
        <source>type a size in bytes: 1086, or 0x43E</source>
        <translation>type a size in bytes: 1086, or 0x43E</translation>
    </message>
    <message>
        <source>a file of no bytes holds no bitmap: give at least 1 byte</source>
        <translation>a file of no bytes holds no bitmap: give at least 1 byte</translation>
    </message>
    <message>
        <source>at most %1, the most a bitmap&apos;s size field says</source>
        <translation>at most %1, the most a bitmap&apos;s size field says</translation>
    </message>
    <message>
        <source>cut off by the end of the file</source>
        <translation>cut off by the end of the file</translation>
    </message>
    <message>
        <source>entry %1</source>
        <translation>entry %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>cut off by the end of the file: the headers claim %1</source>
        <translation>cut off by the end of the file: the headers claim %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the bytes are too short for the bitmap headers (%1 of the %2 bytes they need)</source>
        <translation>the bytes are too short for the bitmap headers (%1 of the %2 bytes they need)</translation>
    </message>
    <message>
        <source>the file is too short for the bitmap headers (%1 of the %2 bytes they need)</source>
        <translation>the file is too short for the bitmap headers (%1 of the %2 bytes they need)</translation>
    </message>
    <message>
        <source>the bytes are an OS/2 bitmap array whose first entry holds no bitmap</source>
        <translation>the bytes are an OS/2 bitmap array whose first entry holds no bitmap</translation>
    </message>
    <message>
        <source>the file is an OS/2 bitmap array whose first entry holds no bitmap</source>
        <translation>the file is an OS/2 bitmap array whose first entry holds no bitmap</translation>
    </message>
    <message>
        <source>the bytes do not start with &quot;BM&quot;; they are not a bitmap</source>
        <translation>the bytes do not start with &quot;BM&quot;; they are not a bitmap</translation>
    </message>
    <message>
        <source>the file does not start with &quot;BM&quot;; it is not a bitmap</source>
        <translation>the file does not start with &quot;BM&quot;; it is not a bitmap</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>cannot open the file: %1</source>
        <translation>cannot open the file: %1</translation>
    </message>
    <message>
        <source>cannot find the size of the file: %1</source>
        <translation>cannot find the size of the file: %1</translation>
    </message>
    <message>
        <source>cannot read the file header: %1</source>
        <translation>cannot read the file header: %1</translation>
    </message>
    <message>
        <source>the file is too large to hold in memory</source>
        <translation>the file is too large to hold in memory</translation>
    </message>
    <message>
        <source>not enough memory to hold the file (%1 bytes)</source>
        <translation>not enough memory to hold the file (%1 bytes)</translation>
    </message>
    <message>
        <source>cannot read the file: %1</source>
        <translation>cannot read the file: %1</translation>
    </message>
    <message>
        <source>%1 (it shrank while being read)</source>
        <translation>%1 (it shrank while being read)</translation>
    </message>
    <message>
        <source>cannot create the file: %1</source>
        <translation>cannot create the file: %1</translation>
    </message>
    <message>
        <source>cannot write the file: %1</source>
        <translation>cannot write the file: %1</translation>
    </message>
    <message>
        <source>cannot finish writing the file: %1</source>
        <translation>cannot finish writing the file: %1</translation>
    </message>
    <message>
        <source>that is the opened file, which is never written: choose another name</source>
        <translation>that is the opened file, which is never written: choose another name</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>no file name given</translation>
    </message>
    <message>
        <source>a folder has that name</source>
        <translation>a folder has that name</translation>
    </message>
    <message>
        <source>cannot create a file in its folder: %1</source>
        <translation>cannot create a file in its folder: %1</translation>
    </message>
    <message>
        <source>cannot give the file the permissions of the one it replaces: %1</source>
        <translation>cannot give the file the permissions of the one it replaces: %1</translation>
    </message>
    <message>
        <source>cannot flush the file to the disk: %1</source>
        <translation>cannot flush the file to the disk: %1</translation>
    </message>
    <message>
        <source>cannot put the file in place: %1</source>
        <translation>cannot put the file in place: %1</translation>
    </message>
</context>
<context>
    <name>Findings</name>
    <message>
        <source>%1 is %2; %3-bit pixels can use only %4, and readers take the first %4.</source>
        <translation>%1 is %2; %3-bit pixels can use only %4, and readers take the first %4.</translation>
    </message>
    <message>
        <source>%1 is %2; %3-bit pixels can use only %4.</source>
        <translation>%1 is %2; %3-bit pixels can use only %4.</translation>
    </message>
    <message>
        <source>The colour table has %1 of the %2 entries %3-bit pixels can index.</source>
        <translation>The colour table has %1 of the %2 entries %3-bit pixels can index.</translation>
    </message>
    <message numerus="yes">
        <source>A %1-bit bitmap needs no colour table; this one has %n (entry|entries), a hint for displays with fewer colours.</source>
        <translation>
            <numerusform>A %1-bit bitmap needs no colour table; this one has %n entry, a hint for displays with fewer colours.</numerusform>
            <numerusform>A %1-bit bitmap needs no colour table; this one has %n entries, a hint for displays with fewer colours.</numerusform>
        </translation>
    </message>
    <message>
        <source>The colour table takes %1 from offset %2; the file holds %3 of them.</source>
        <translation>The colour table takes %1 from offset %2; the file holds %3 of them.</translation>
    </message>
    <message numerus="yes">
        <source>%1 is %2, more than the %n (colour there is|colours there are).</source>
        <translation>
            <numerusform>%1 is %2, more than the %n colour there is.</numerusform>
            <numerusform>%1 is %2, more than the %n colours there are.</numerusform>
        </translation>
    </message>
    <message>
        <source>The bit-field masks take %1 after the header; the file holds %2 of them.</source>
        <translation>The bit-field masks take %1 after the header; the file holds %2 of them.</translation>
    </message>
    <message>
        <source>red</source>
        <translation>red</translation>
    </message>
    <message>
        <source>green</source>
        <translation>green</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>alpha</source>
        <translation>alpha</translation>
    </message>
    <message>
        <source>The %1 mask %2 shares bits with the %3 mask %4.</source>
        <translation>The %1 mask %2 shares bits with the %3 mask %4.</translation>
    </message>
    <message>
        <source>%1 is 0: the picture has no %2.</source>
        <translation>%1 is 0: the picture has no %2.</translation>
    </message>
    <message>
        <source>%1 is %2, whose bits are not contiguous.</source>
        <translation>%1 is %2, whose bits are not contiguous.</translation>
    </message>
    <message>
        <source>%1 is %2, with bits above the %3 of a pixel.</source>
        <translation>%1 is %2, with bits above the %3 of a pixel.</translation>
    </message>
    <message>
        <source>%1 is %2 pixels per metre, which no device has.</source>
        <translation>%1 is %2 pixels per metre, which no device has.</translation>
    </message>
    <message>
        <source>The densities are %1 and %2 pixels per metre, hundreds of times apart.</source>
        <translation>The densities are %1 and %2 pixels per metre, hundreds of times apart.</translation>
    </message>
    <message>
        <source>%1 is %2, which no colour-space type has; readers take sRGB.</source>
        <translation>%1 is %2, which no colour-space type has; readers take sRGB.</translation>
    </message>
    <message>
        <source>An embedded ICC profile (%1) lies at offset %2: &quot;%3&quot;.</source>
        <translation>An embedded ICC profile (%1) lies at offset %2: &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>An embedded ICC profile (%1) lies at offset %2.</source>
        <translation>An embedded ICC profile (%1) lies at offset %2.</translation>
    </message>
    <message>
        <source>A linked profile&apos;s file name (%1) lies at offset %2: &quot;%3&quot;.</source>
        <translation>A linked profile&apos;s file name (%1) lies at offset %2: &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>A linked profile&apos;s file name (%1) lies at offset %2.</source>
        <translation>A linked profile&apos;s file name (%1) lies at offset %2.</translation>
    </message>
    <message>
        <source>The profile takes %1; the file has %2.</source>
        <translation>The profile takes %1; the file has %2.</translation>
    </message>
    <message>
        <source>The profile at offset %1 starts inside the headers or the colour table, which end at %2.</source>
        <translation>The profile at offset %1 starts inside the headers or the colour table, which end at %2.</translation>
    </message>
    <message>
        <source>The linked profile&apos;s file name has no NUL within its %1 (%2); a reader may run past it.</source>
        <translation>The linked profile&apos;s file name has no NUL within its %1 (%2); a reader may run past it.</translation>
    </message>
    <message>
        <source>The profile takes %1, over the pixel data at %2.</source>
        <translation>The profile takes %1, over the pixel data at %2.</translation>
    </message>
    <message>
        <source>The embedded profile is %1 long, too short for an ICC profile&apos;s 128-byte header and tag count.</source>
        <translation>The embedded profile is %1 long, too short for an ICC profile&apos;s 128-byte header and tag count.</translation>
    </message>
    <message>
        <source>The embedded profile holds %1 at its bytes 36 to 39, not the &apos;acsp&apos; of an ICC profile.</source>
        <translation>The embedded profile holds %1 at its bytes 36 to 39, not the &apos;acsp&apos; of an ICC profile.</translation>
    </message>
    <message>
        <source>The profile&apos;s header gives its size as %1; %2 gives %3.</source>
        <translation>The profile&apos;s header gives its size as %1; %2 gives %3.</translation>
    </message>
    <message numerus="yes">
        <source>The tag table of %n tag(s) takes profile %1; the profile has %2.</source>
        <translation>
            <numerusform>The tag table of %n tag takes profile %1; the profile has %2.</numerusform>
            <numerusform>The tag table of %n tags takes profile %1; the profile has %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Tag %1 (%2) takes profile %3; the profile has %4.</source>
        <translation>Tag %1 (%2) takes profile %3; the profile has %4.</translation>
    </message>
    <message numerus="yes">
        <source>Tag %1 (%2) takes profile %3; the profile has %4, and %n more (tag runs|tags run) past it.</source>
        <translation>
            <numerusform>Tag %1 (%2) takes profile %3; the profile has %4, and %n more tag runs past it.</numerusform>
            <numerusform>Tag %1 (%2) takes profile %3; the profile has %4, and %n more tags run past it.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 uses colour index %2; the colour table has %3.</source>
        <translation>%1 uses colour index %2; the colour table has %3.</translation>
    </message>
    <message numerus="yes">
        <source>%1 uses colour index %2; the colour table has %3, and %n more (row does|rows do) the same.</source>
        <translation>
            <numerusform>%1 uses colour index %2; the colour table has %3, and %n more row does the same.</numerusform>
            <numerusform>%1 uses colour index %2; the colour table has %3, and %n more rows do the same.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n (entry|entries)</source>
        <translation>
            <numerusform>%n entry</numerusform>
            <numerusform>%n entries</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 says %2 from offset %3, past the end of the file, which has %4.</source>
        <translation>%1 says %2 from offset %3, past the end of the file, which has %4.</translation>
    </message>
    <message>
        <source>The file has %1, fewer than the 14 of a file header.</source>
        <translation>The file has %1, fewer than the 14 of a file header.</translation>
    </message>
    <message>
        <source>%1 is %2, not &quot;BM&quot; (an OS/2 bitmap array, not a bitmap).</source>
        <translation>%1 is %2, not &quot;BM&quot; (an OS/2 bitmap array, not a bitmap).</translation>
    </message>
    <message>
        <source>%1 is %2, not &quot;BM&quot;.</source>
        <translation>%1 is %2, not &quot;BM&quot;.</translation>
    </message>
    <message>
        <source>The file ends after %1, before the info header&apos;s size field.</source>
        <translation>The file ends after %1, before the info header&apos;s size field.</translation>
    </message>
    <message>
        <source>%1 is %2, which no header version has (12, 16 to 64, 40, 52, 56, 108 or 124).</source>
        <translation>%1 is %2, which no header version has (12, 16 to 64, 40, 52, 56, 108 or 124).</translation>
    </message>
    <message>
        <source>%1 is %2, which ends inside a field of the OS/2 2.x header.</source>
        <translation>%1 is %2, which ends inside a field of the OS/2 2.x header.</translation>
    </message>
    <message>
        <source>The %1 takes %2; the file ends after %3 of it.</source>
        <translation>The %1 takes %2; the file ends after %3 of it.</translation>
    </message>
    <message>
        <source>%1 is %2, the size of the two headers, as some OS/2 writers store it; the file has %3.</source>
        <translation>%1 is %2, the size of the two headers, as some OS/2 writers store it; the file has %3.</translation>
    </message>
    <message>
        <source>%1 says %2, past the end of the file, which has %3.</source>
        <translation>%1 says %2, past the end of the file, which has %3.</translation>
    </message>
    <message>
        <source>%1 says %2; the file has %3.</source>
        <translation>%1 says %2; the file has %3.</translation>
    </message>
    <message>
        <source>%1 is %2: a hot spot, which means something for OS/2 icons and pointers only.</source>
        <translation>%1 is %2: a hot spot, which means something for OS/2 icons and pointers only.</translation>
    </message>
    <message>
        <source>%1 is %2; it must be 0.</source>
        <translation>%1 is %2; it must be 0.</translation>
    </message>
    <message>
        <source>The info header is the OS/2 1.x %1 of %2, with 16-bit sizes and 3-byte colour entries.</source>
        <translation>The info header is the OS/2 1.x %1 of %2, with 16-bit sizes and 3-byte colour entries.</translation>
    </message>
    <message>
        <source>The info header is the %1 of %2, read with OS/2&apos;s compression codes.</source>
        <translation>The info header is the %1 of %2, read with OS/2&apos;s compression codes.</translation>
    </message>
    <message>
        <source>%1 is %2; it must be 1.</source>
        <translation>%1 is %2; it must be 1.</translation>
    </message>
    <message>
        <source>%1 is %2: %3</source>
        <translation>%1 is %2: %3</translation>
    </message>
    <message>
        <source>%1 is %2, which OS/2 bitmaps do not have.</source>
        <translation>%1 is %2, which OS/2 bitmaps do not have.</translation>
    </message>
    <message>
        <source>%1 is 0, which only JPEG or PNG pixel data may have.</source>
        <translation>%1 is 0, which only JPEG or PNG pixel data may have.</translation>
    </message>
    <message>
        <source>%1 is %2, a bit count no bitmap variant defines.</source>
        <translation>%1 is %2, a bit count no bitmap variant defines.</translation>
    </message>
    <message>
        <source>%1 is %2, which OS/2 bitmaps do not define.</source>
        <translation>%1 is %2, which OS/2 bitmaps do not define.</translation>
    </message>
    <message>
        <source>%1 is %2, which no bitmap variant defines.</source>
        <translation>%1 is %2, which no bitmap variant defines.</translation>
    </message>
    <message>
        <source>%1 bits per pixel; %2 is %3.</source>
        <translation>%1 bits per pixel; %2 is %3.</translation>
    </message>
    <message>
        <source>%1 is %2; a bitmap is at least 1 pixel wide.</source>
        <translation>%1 is %2; a bitmap is at least 1 pixel wide.</translation>
    </message>
    <message>
        <source>%1 is 0; a bitmap has at least 1 row.</source>
        <translation>%1 is 0; a bitmap has at least 1 row.</translation>
    </message>
    <message>
        <source>%1 is %2, more rows than a file can hold; OS/2 bitmaps have no top-down form.</source>
        <translation>%1 is %2, more rows than a file can hold; OS/2 bitmaps have no top-down form.</translation>
    </message>
    <message>
        <source>%1 is %2 (top-down), which only uncompressed bitmaps may be.</source>
        <translation>%1 is %2 (top-down), which only uncompressed bitmaps may be.</translation>
    </message>
    <message>
        <source>The rows take more bytes than the 4 GiB a bitmap&apos;s 32-bit sizes can hold (%1 by %2 at %3).</source>
        <translation>The rows take more bytes than the 4 GiB a bitmap&apos;s 32-bit sizes can hold (%1 by %2 at %3).</translation>
    </message>
    <message numerus="yes">
        <source>%n bit(s)</source>
        <translation>
            <numerusform>%n bit</numerusform>
            <numerusform>%n bits</numerusform>
        </translation>
    </message>
    <message>
        <source>The pixel data takes %1 from offset %2; the file holds %3 of them.</source>
        <translation>The pixel data takes %1 from offset %2; the file holds %3 of them.</translation>
    </message>
    <message numerus="yes">
        <source>%n of the %1 rows (has|have) padding that is not zero, the first at offset %2: no reader shows it, so it can hide data.</source>
        <translation>
            <numerusform>%n of the %1 rows has padding that is not zero, the first at offset %2: no reader shows it, so it can hide data.</numerusform>
            <numerusform>%n of the %1 rows have padding that is not zero, the first at offset %2: no reader shows it, so it can hide data.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n (pixel sets|pixels set) bits outside the channel masks (%1), the first at offset %2; readers ignore them.</source>
        <translation>
            <numerusform>%n pixel sets bits outside the channel masks (%1), the first at offset %2; readers ignore them.</numerusform>
            <numerusform>%n pixels set bits outside the channel masks (%1), the first at offset %2; readers ignore them.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is 0: the size follows from the rows, %2.</source>
        <translation>%1 is 0: the size follows from the rows, %2.</translation>
    </message>
    <message>
        <source>%1 is 0: the stream is taken to run to the end of the file.</source>
        <translation>%1 is 0: the stream is taken to run to the end of the file.</translation>
    </message>
    <message>
        <source>%1 says %2; the rows take %3.</source>
        <translation>%1 says %2; the rows take %3.</translation>
    </message>
    <message>
        <source>%1 is %2, inside the %3, which ends at %4.</source>
        <translation>%1 is %2, inside the %3, which ends at %4.</translation>
    </message>
    <message>
        <source>%1 is %2; the file has only %3.</source>
        <translation>%1 is %2; the file has only %3.</translation>
    </message>
    <message>
        <source>bitmap array&apos;s entries before this bitmap</source>
        <translation>bitmap array&apos;s entries before this bitmap</translation>
    </message>
    <message>
        <source>file header</source>
        <translation>file header</translation>
    </message>
    <message>
        <source>info header</source>
        <translation>info header</translation>
    </message>
    <message>
        <source>bit-field masks</source>
        <translation>bit-field masks</translation>
    </message>
    <message>
        <source>colour table</source>
        <translation>colour table</translation>
    </message>
    <message>
        <source>The pixel data at offset %1 does not start as a %2 stream does.</source>
        <translation>The pixel data at offset %1 does not start as a %2 stream does.</translation>
    </message>
    <message>
        <source>The pixel data is a whole %1 stream of %2, a form meant for printers that few readers decode.</source>
        <translation>The pixel data is a whole %1 stream of %2, a form meant for printers that few readers decode.</translation>
    </message>
    <message>
        <source>The stream leaves pixels unwritten (a delta or an early end code at offset %1); readers show them in colour 0 or transparent.</source>
        <translation>The stream leaves pixels unwritten (a delta or an early end code at offset %1); readers show them in colour 0 or transparent.</translation>
    </message>
    <message>
        <source>%1 says %2; the %3 stream takes %4 from offset %5 to its end-of-bitmap code.</source>
        <translation>%1 says %2; the %3 stream takes %4 from offset %5 to its end-of-bitmap code.</translation>
    </message>
    <message>
        <source>%1 says %2; the %3 stream takes %4 from offset %5 to the end of the file.</source>
        <translation>%1 says %2; the %3 stream takes %4 from offset %5 to the end of the file.</translation>
    </message>
    <message>
        <source>%1 says %2; the %3 stream takes %4 from offset %5 to its last row.</source>
        <translation>%1 says %2; the %3 stream takes %4 from offset %5 to its last row.</translation>
    </message>
    <message numerus="yes">
        <source>%1, and %n more row(s) (does|do) the same.</source>
        <translation>
            <numerusform>%1, and %n more row does the same.</numerusform>
            <numerusform>%1, and %n more rows do the same.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, and %n more code(s) (does|do) the same.</source>
        <translation>
            <numerusform>%1, and %n more code does the same.</numerusform>
            <numerusform>%1, and %n more codes do the same.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file ends at offset %1 inside the RLE code at offset %2, at %3, before the end-of-bitmap code.</source>
        <translation>The file ends at offset %1 inside the RLE code at offset %2, at %3, before the end-of-bitmap code.</translation>
    </message>
    <message>
        <source>The RLE stream runs to the end of the file at offset %1 without an end-of-bitmap code, at %2.</source>
        <translation>The RLE stream runs to the end of the file at offset %1 without an end-of-bitmap code, at %2.</translation>
    </message>
    <message>
        <source>%1 (%2) belong to no part of the bitmap: a gap before the pixel data.</source>
        <translation>%1 (%2) belong to no part of the bitmap: a gap before the pixel data.</translation>
    </message>
    <message>
        <source>%1 (%2) belong to no part of the bitmap.</source>
        <translation>%1 (%2) belong to no part of the bitmap.</translation>
    </message>
    <message>
        <source>%1 (%2) follow the bitmap&apos;s last part.</source>
        <translation>%1 (%2) follow the bitmap&apos;s last part.</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2) before the pixel data are exactly %n more row(s) of %3: the picture may have been %4x%5, with (this row|these rows) at its top.</source>
        <translation>
            <numerusform>%1 (%2) before the pixel data are exactly %n more row of %3: the picture may have been %4x%5, with this row at its top.</numerusform>
            <numerusform>%1 (%2) before the pixel data are exactly %n more rows of %3: the picture may have been %4x%5, with these rows at its top.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2) before the pixel data are exactly %n more row(s) of %3: the picture may have been %4x%5, with (this row|these rows) at its bottom.</source>
        <translation>
            <numerusform>%1 (%2) before the pixel data are exactly %n more row of %3: the picture may have been %4x%5, with this row at its bottom.</numerusform>
            <numerusform>%1 (%2) before the pixel data are exactly %n more rows of %3: the picture may have been %4x%5, with these rows at its bottom.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2) after the pixel data are exactly %n more row(s) of %3: the picture may have been %4x%5, with (this row|these rows) at its top.</source>
        <translation>
            <numerusform>%1 (%2) after the pixel data are exactly %n more row of %3: the picture may have been %4x%5, with this row at its top.</numerusform>
            <numerusform>%1 (%2) after the pixel data are exactly %n more rows of %3: the picture may have been %4x%5, with these rows at its top.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2) after the pixel data are exactly %n more row(s) of %3: the picture may have been %4x%5, with (this row|these rows) at its bottom.</source>
        <translation>
            <numerusform>%1 (%2) after the pixel data are exactly %n more row of %3: the picture may have been %4x%5, with this row at its bottom.</numerusform>
            <numerusform>%1 (%2) after the pixel data are exactly %n more rows of %3: the picture may have been %4x%5, with these rows at its bottom.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(It is|They are all) zero.</source>
        <translation>
            <numerusform>It is zero.</numerusform>
            <numerusform>They are all zero.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(It is not|They are not all) zero.</source>
        <translation>
            <numerusform>It is not zero.</numerusform>
            <numerusform>They are not all zero.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 at offset %2</source>
        <translation>%1 at offset %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more file signature(s)</source>
        <translation>
            <numerusform>%1 and %n more file signature</numerusform>
            <numerusform>%1 and %n more file signatures</numerusform>
        </translation>
    </message>
    <message>
        <source>They hold %1.</source>
        <translation>They hold %1.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1 of the entry at offset %2 is %3, not past the entry: the chain would loop.</source>
        <translation>%1 of the entry at offset %2 is %3, not past the entry: the chain would loop.</translation>
    </message>
    <message>
        <source>%1 of the entry at offset %2 is %3, inside the entry&apos;s own headers.</source>
        <translation>%1 of the entry at offset %2 is %3, inside the entry&apos;s own headers.</translation>
    </message>
    <message>
        <source>%1 of the entry at offset %2 is %3; the file has only %4.</source>
        <translation>%1 of the entry at offset %2 is %3; the file has only %4.</translation>
    </message>
    <message>
        <source>%1 of the entry at offset %2 is %3, where no array entry starts (no &quot;BA&quot;).</source>
        <translation>%1 of the entry at offset %2 is %3, where no array entry starts (no &quot;BA&quot;).</translation>
    </message>
    <message>
        <source>%1 of the entry at offset %2 is %3.</source>
        <translation>%1 of the entry at offset %2 is %3.</translation>
    </message>
    <message numerus="yes">
        <source>The file is an OS/2 bitmap array of %n bitmap(s); each is checked at its own offset.</source>
        <translation>
            <numerusform>The file is an OS/2 bitmap array of %n bitmap; each is checked at its own offset.</numerusform>
            <numerusform>The file is an OS/2 bitmap array of %n bitmaps; each is checked at its own offset.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file ends at offset %1, inside the headers of the array entry at offset %2.</source>
        <translation>The file ends at offset %1, inside the headers of the array entry at offset %2.</translation>
    </message>
    <message>
        <source>Image %1 of %2 (offset %3): %4</source>
        <translation>Image %1 of %2 (offset %3): %4</translation>
    </message>
    <message>
        <source>error</source>
        <translation>error</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>warning</translation>
    </message>
    <message>
        <source>note</source>
        <translation>note</translation>
    </message>
    <message>
        <source>The file starts with a %1: a DIB without a file header, as the clipboard holds one; its pixels follow the colour table.</source>
        <translation>The file starts with a %1: a DIB without a file header, as the clipboard holds one; its pixels follow the colour table.</translation>
    </message>
    <message>
        <source>Bitmap %1 of %2 (offset %3): %4</source>
        <translation>Bitmap %1 of %2 (offset %3): %4</translation>
    </message>
    <message>
        <source>offset %1</source>
        <translation>offset %1</translation>
    </message>
    <message>
        <source>offset %1 (bit %2 from the high end)</source>
        <translation>offset %1 (bit %2 from the high end)</translation>
    </message>
    <message>
        <source>A black run of %1 at %2 starts at %3 and goes past the row&apos;s %4</source>
        <translation>A black run of %1 at %2 starts at %3 and goes past the row&apos;s %4</translation>
    </message>
    <message>
        <source>A white run of %1 at %2 starts at %3 and goes past the row&apos;s %4</source>
        <translation>A white run of %1 at %2 starts at %3 and goes past the row&apos;s %4</translation>
    </message>
    <message>
        <source>An end-of-line code at %1 ends the row at %2, short of its %3</source>
        <translation>An end-of-line code at %1 ends the row at %2, short of its %3</translation>
    </message>
    <message>
        <source>The bits at %1 are no code of a black run, at %2; the rest of the row is lost up to the next end-of-line code</source>
        <translation>The bits at %1 are no code of a black run, at %2; the rest of the row is lost up to the next end-of-line code</translation>
    </message>
    <message>
        <source>The bits at %1 are no code of a white run, at %2; the rest of the row is lost up to the next end-of-line code</source>
        <translation>The bits at %1 are no code of a white run, at %2; the rest of the row is lost up to the next end-of-line code</translation>
    </message>
    <message>
        <source>%1 starts a row at %2 with no end-of-line code before it</source>
        <translation>%1 starts a row at %2 with no end-of-line code before it</translation>
    </message>
    <message>
        <source>The Huffman stream runs to the end of the file at offset %1 with %2 of its %3 read, stopping at %4</source>
        <translation>The Huffman stream runs to the end of the file at offset %1 with %2 of its %3 read, stopping at %4</translation>
    </message>
    <message>
        <source>A run of %1 at offset %2 starts at %3 and goes past the row&apos;s %4</source>
        <translation>A run of %1 at offset %2 starts at %3 and goes past the row&apos;s %4</translation>
    </message>
    <message>
        <source>An absolute run of %1 at offset %2 starts at %3 and goes past the row&apos;s %4</source>
        <translation>An absolute run of %1 at offset %2 starts at %3 and goes past the row&apos;s %4</translation>
    </message>
    <message>
        <source>The stream goes on past the last of its %1: the code at offset %2 is at %3</source>
        <translation>The stream goes on past the last of its %1: the code at offset %2 is at %3</translation>
    </message>
    <message>
        <source>A delta of %1 and %2 at offset %3 from %4 moves out of the %5 by %6 picture</source>
        <translation>A delta of %1 and %2 at offset %3 from %4 moves out of the %5 by %6 picture</translation>
    </message>
</context>
<context>
    <name>HexDumpView</name>
    <message>
        <source>Window of the data: lines %1–%2 of %3</source>
        <translation>Window of the data: lines %1–%2 of %3</translation>
    </message>
    <message>
        <source>The dump is cut at %1 pixels; its pixel-data memo shows these lines of the data instead of its first ones. Ctrl+Home goes back to the top.</source>
        <translation>The dump is cut at %1 pixels; its pixel-data memo shows these lines of the data instead of its first ones. Ctrl+Home goes back to the top.</translation>
    </message>
</context>
<context>
    <name>Icons</name>
    <message numerus="yes">
        <source>The file is a cursor of %n image(s); each is checked at its own offset.</source>
        <translation>
            <numerusform>The file is a cursor of %n image; each is checked at its own offset.</numerusform>
            <numerusform>The file is a cursor of %n images; each is checked at its own offset.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file is an icon of %n image(s); each is checked at its own offset.</source>
        <translation>
            <numerusform>The file is an icon of %n image; each is checked at its own offset.</numerusform>
            <numerusform>The file is an icon of %n images; each is checked at its own offset.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is %2; it must be 0.</source>
        <translation>%1 is %2; it must be 0.</translation>
    </message>
    <message>
        <source>%1 is %2; an icon has 1, a cursor 2.</source>
        <translation>%1 is %2; an icon has 1, a cursor 2.</translation>
    </message>
    <message>
        <source>%1 is 0: the directory holds no image.</source>
        <translation>%1 is 0: the directory holds no image.</translation>
    </message>
    <message numerus="yes">
        <source>%1 says %n (entry|entries), which end at offset %2; the file has only %3.</source>
        <translation>
            <numerusform>%1 says %n entry, which end at offset %2; the file has only %3.</numerusform>
            <numerusform>%1 says %n entries, which end at offset %2; the file has only %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>Entry %1&apos;s %2 is %3, inside the directory, which ends at offset %4.</source>
        <translation>Entry %1&apos;s %2 is %3, inside the directory, which ends at offset %4.</translation>
    </message>
    <message>
        <source>Entry %1&apos;s image (%2 from offset %3) runs past the end of the file, which has %4.</source>
        <translation>Entry %1&apos;s image (%2 from offset %3) runs past the end of the file, which has %4.</translation>
    </message>
    <message>
        <source>Entry %1&apos;s image (%2) overlaps entry %3&apos;s (%4).</source>
        <translation>Entry %1&apos;s image (%2) overlaps entry %3&apos;s (%4).</translation>
    </message>
    <message>
        <source>Entry %1&apos;s %2 is %3; it must be 0.</source>
        <translation>Entry %1&apos;s %2 is %3; it must be 0.</translation>
    </message>
    <message>
        <source>Entry %1&apos;s image starts with the PNG signature but has no IHDR chunk after it.</source>
        <translation>Entry %1&apos;s image starts with the PNG signature but has no IHDR chunk after it.</translation>
    </message>
    <message>
        <source>Entry %1&apos;s image has %2 %3, the entry&apos;s height; an icon image&apos;s counts the AND mask too, so it is %4.</source>
        <translation>Entry %1&apos;s image has %2 %3, the entry&apos;s height; an icon image&apos;s counts the AND mask too, so it is %4.</translation>
    </message>
    <message>
        <source>Entry %1 says %2 by %3 pixels; its PNG stream&apos;s IHDR says %4 by %5.</source>
        <translation>Entry %1 says %2 by %3 pixels; its PNG stream&apos;s IHDR says %4 by %5.</translation>
    </message>
    <message>
        <source>Entry %1 says %2 by %3 pixels; its image is %4 by %5.</source>
        <translation>Entry %1 says %2 by %3 pixels; its image is %4 by %5.</translation>
    </message>
    <message numerus="yes">
        <source>Entry %1&apos;s %2 is %3; its image has %n bit(s) per pixel.</source>
        <translation>
            <numerusform>Entry %1&apos;s %2 is %3; its image has %n bit per pixel.</numerusform>
            <numerusform>Entry %1&apos;s %2 is %3; its image has %n bits per pixel.</numerusform>
        </translation>
    </message>
    <message>
        <source>Entry %1&apos;s hot spot (%2, %3) lies outside its %4 by %5 image.</source>
        <translation>Entry %1&apos;s hot spot (%2, %3) lies outside its %4 by %5 image.</translation>
    </message>
    <message>
        <source>Entry %1&apos;s AND mask takes %2 from offset %3; the entry&apos;s %4 ends after %5 of them.</source>
        <translation>Entry %1&apos;s AND mask takes %2 from offset %3; the entry&apos;s %4 ends after %5 of them.</translation>
    </message>
    <message>
        <source>Entry %1&apos;s AND mask takes %2 from offset %3; the file ends after %4 of them.</source>
        <translation>Entry %1&apos;s AND mask takes %2 from offset %3; the file ends after %4 of them.</translation>
    </message>
    <message>
        <source>Entry %1&apos;s %2 is %3; its image takes %4 (the PNG stream up to its IEND chunk).</source>
        <translation>Entry %1&apos;s %2 is %3; its image takes %4 (the PNG stream up to its IEND chunk).</translation>
    </message>
    <message>
        <source>Entry %1&apos;s %2 is %3; its image takes %4.</source>
        <translation>Entry %1&apos;s %2 is %3; its image takes %4.</translation>
    </message>
</context>
<context>
    <name>Inspection</name>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errors</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n warning</numerusform>
            <numerusform>%n warnings</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n note(s)</source>
        <translation>
            <numerusform>%n note</numerusform>
            <numerusform>%n notes</numerusform>
        </translation>
    </message>
    <message>
        <source>No findings</source>
        <translation>No findings</translation>
    </message>
    <message>
        <source>file header</source>
        <translation>file header</translation>
    </message>
    <message>
        <source>info header</source>
        <translation>info header</translation>
    </message>
    <message>
        <source>palette</source>
        <translation>palette</translation>
    </message>
    <message>
        <source>pixel data</source>
        <translation>pixel data</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 = %2 (%3)</source>
        <translation>%1 = %2 (%3)</translation>
    </message>
    <message>
        <source>%1: cut off by the end of the file</source>
        <translation>%1: cut off by the end of the file</translation>
    </message>
    <message>
        <source>%1, %2 (%3, bytes %4–%5; byte %6 of %7)</source>
        <translation>%1, %2 (%3, bytes %4–%5; byte %6 of %7)</translation>
    </message>
    <message>
        <source>%1, %2 (%3, bytes %4–%5)</source>
        <translation>%1, %2 (%3, bytes %4–%5)</translation>
    </message>
    <message>
        <source>Offset %1 (%2)</source>
        <translation>Offset %1 (%2)</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>entry %1 (%2)</source>
        <translation>entry %1 (%2)</translation>
    </message>
    <message>
        <source>colour %1 (alpha 0: drawn opaque when every pixel&apos;s alpha is 0)</source>
        <translation>colour %1 (alpha 0: drawn opaque when every pixel&apos;s alpha is 0)</translation>
    </message>
    <message>
        <source>colour %1</source>
        <translation>colour %1</translation>
    </message>
    <message numerus="yes">
        <source>past the table&apos;s %n (entry|entries)</source>
        <translation>
            <numerusform>past the table&apos;s %n entry</numerusform>
            <numerusform>past the table&apos;s %n entries</numerusform>
        </translation>
    </message>
    <message>
        <source>its entry lies past the end of the file</source>
        <translation>its entry lies past the end of the file</translation>
    </message>
    <message>
        <source>cut off by the end of the file</source>
        <translation>cut off by the end of the file</translation>
    </message>
    <message>
        <source>index %1, %2</source>
        <translation>index %1, %2</translation>
    </message>
    <message>
        <source>feeds no channel (bits outside the masks)</source>
        <translation>feeds no channel (bits outside the masks)</translation>
    </message>
    <message>
        <source>feeds %1</source>
        <translation>feeds %1</translation>
    </message>
    <message>
        <source>byte %1 of %2, %3; %4</source>
        <translation>byte %1 of %2, %3; %4</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>draws nothing: it starts at %1</source>
        <translation>draws nothing: it starts at %1</translation>
    </message>
    <message>
        <source>draws nothing: it starts past the row&apos;s end</source>
        <translation>draws nothing: it starts past the row&apos;s end</translation>
    </message>
    <message>
        <source>draws %1, and %2 more past the row&apos;s end</source>
        <translation>draws %1, and %2 more past the row&apos;s end</translation>
    </message>
    <message>
        <source>draws %1</source>
        <translation>draws %1</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message numerus="yes">
        <source>a run of %n pixel(s) of %1, alternating with %2</source>
        <translation>
            <numerusform>a run of %n pixel of %1, alternating with %2</numerusform>
            <numerusform>a run of %n pixels of %1, alternating with %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>a run of %n pixel(s) of %1</source>
        <translation>
            <numerusform>a run of %n pixel of %1</numerusform>
            <numerusform>a run of %n pixels of %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>a literal of %n pixel(s)</source>
        <translation>
            <numerusform>a literal of %n pixel</numerusform>
            <numerusform>a literal of %n pixels</numerusform>
        </translation>
    </message>
    <message>
        <source>cut short by the end of the file</source>
        <translation>cut short by the end of the file</translation>
    </message>
    <message numerus="yes">
        <source>cut short by the end of the file after %n whole pixel(s)</source>
        <translation>
            <numerusform>cut short by the end of the file after %n whole pixel</numerusform>
            <numerusform>cut short by the end of the file after %n whole pixels</numerusform>
        </translation>
    </message>
    <message>
        <source>end of line at %1</source>
        <translation>end of line at %1</translation>
    </message>
    <message>
        <source>end of line</source>
        <translation>end of line</translation>
    </message>
    <message>
        <source>end of line; leaves %1 unwritten</source>
        <translation>end of line; leaves %1 unwritten</translation>
    </message>
    <message>
        <source>a delta of %1 and %2; moves from %3 to %4</source>
        <translation>a delta of %1 and %2; moves from %3 to %4</translation>
    </message>
    <message numerus="yes">
        <source>%n column(s)</source>
        <translation>
            <numerusform>%n column</numerusform>
            <numerusform>%n columns</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, out of the %2 by %3 picture</source>
        <translation>%1, out of the %2 by %3 picture</translation>
    </message>
    <message>
        <source>end of bitmap; the pixels not yet written stay unwritten</source>
        <translation>end of bitmap; the pixels not yet written stay unwritten</translation>
    </message>
    <message>
        <source>end of bitmap</source>
        <translation>end of bitmap</translation>
    </message>
    <message>
        <source>%1 code at offset %2 (%3): %4</source>
        <translation>%1 code at offset %2 (%3): %4</translation>
    </message>
    <message>
        <source>%1 (not drawn)</source>
        <translation>%1 (not drawn)</translation>
    </message>
    <message>
        <source>this byte pads the literal to 16 bits</source>
        <translation>this byte pads the literal to 16 bits</translation>
    </message>
    <message>
        <source>%1, %2: this byte is %3</source>
        <translation>%1, %2: this byte is %3</translation>
    </message>
    <message>
        <source>%1, row %2 as shown (stored row %3): padding to the row&apos;s 32-bit end</source>
        <translation>%1, row %2 as shown (stored row %3): padding to the row&apos;s 32-bit end</translation>
    </message>
    <message>
        <source>%1: byte %2 of %3</source>
        <translation>%1: byte %2 of %3</translation>
    </message>
    <message>
        <source>The dump shows this byte as %1; it is really part of the %2.</source>
        <translation>The dump shows this byte as %1; it is really part of the %2.</translation>
    </message>
    <message>
        <source>The dump shows %1 here, the value the window derives; the file holds %2.</source>
        <translation>The dump shows %1 here, the value the window derives; the file holds %2.</translation>
    </message>
    <message>
        <source>The dump groups the colour table in 4-byte entries; this file&apos;s entries are 3 bytes long.</source>
        <translation>The dump groups the colour table in 4-byte entries; this file&apos;s entries are 3 bytes long.</translation>
    </message>
    <message>
        <source>Past the end of the file.</source>
        <translation>Past the end of the file.</translation>
    </message>
    <message>
        <source>The table shows %1 (%2) here, the value the window derives; the file holds %3.</source>
        <translation>The table shows %1 (%2) here, the value the window derives; the file holds %3.</translation>
    </message>
    <message>
        <source>%1, %2.</source>
        <translation>%1, %2.</translation>
    </message>
    <message>
        <source>%1, %2. The table reads 40 bytes; the header&apos;s own fields are:</source>
        <translation>%1, %2. The table reads 40 bytes; the header&apos;s own fields are:</translation>
    </message>
    <message>
        <source>%1, %2. Past the 40 bytes the table and the dump show:</source>
        <translation>%1, %2. Past the 40 bytes the table and the dump show:</translation>
    </message>
    <message>
        <source>%1 %2 at %3:
%4</source>
        <translation>%1 %2 at %3:
%4</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>unknown header</source>
        <translation>unknown header</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>green</source>
        <translation>green</translation>
    </message>
    <message>
        <source>red</source>
        <translation>red</translation>
    </message>
    <message>
        <source>reserved</source>
        <translation>reserved</translation>
    </message>
    <message>
        <source>PNG stream</source>
        <translation>PNG stream</translation>
    </message>
    <message>
        <source>bit-field masks</source>
        <translation>bit-field masks</translation>
    </message>
    <message>
        <source>colour table</source>
        <translation>colour table</translation>
    </message>
    <message>
        <source>XOR pixels</source>
        <translation>XOR pixels</translation>
    </message>
    <message>
        <source>pixel data</source>
        <translation>pixel data</translation>
    </message>
    <message>
        <source>AND mask</source>
        <translation>AND mask</translation>
    </message>
    <message>
        <source>embedded profile</source>
        <translation>embedded profile</translation>
    </message>
    <message>
        <source>linked profile</source>
        <translation>linked profile</translation>
    </message>
    <message>
        <source>gap</source>
        <translation>gap</translation>
    </message>
    <message>
        <source>trailing bytes</source>
        <translation>trailing bytes</translation>
    </message>
    <message>
        <source>OS/2 bitmap array</source>
        <translation>OS/2 bitmap array</translation>
    </message>
    <message>
        <source>icon</source>
        <translation>icon</translation>
    </message>
    <message>
        <source>cursor</source>
        <translation>cursor</translation>
    </message>
    <message>
        <source>headerless DIB</source>
        <translation>headerless DIB</translation>
    </message>
    <message>
        <source>bitmap</source>
        <translation>bitmap</translation>
    </message>
    <message>
        <source>uncompressed</source>
        <translation>uncompressed</translation>
    </message>
    <message>
        <source>2-bit pixels are Windows CE&apos;s only; most readers refuse them.</source>
        <translation>2-bit pixels are Windows CE&apos;s only; most readers refuse them.</translation>
    </message>
    <message>
        <source>64-bit pixels are a newer Windows extension few readers know.</source>
        <translation>64-bit pixels are a newer Windows extension few readers know.</translation>
    </message>
    <message>
        <source>bit fields</source>
        <translation>bit fields</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 or %2</translation>
    </message>
    <message>
        <source>bit-field masks need %1</source>
        <translation>bit-field masks need %1</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 needs %2</translation>
    </message>
    <message>
        <source>a PNG image</source>
        <translation>a PNG image</translation>
    </message>
    <message>
        <source>a JPEG image</source>
        <translation>a JPEG image</translation>
    </message>
    <message>
        <source>a GIF image</source>
        <translation>a GIF image</translation>
    </message>
    <message>
        <source>a ZIP archive</source>
        <translation>a ZIP archive</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>a PDF document</translation>
    </message>
    <message>
        <source>a gzip stream</source>
        <translation>a gzip stream</translation>
    </message>
    <message>
        <source>a RIFF file</source>
        <translation>a RIFF file</translation>
    </message>
    <message>
        <source>a TIFF image</source>
        <translation>a TIFF image</translation>
    </message>
    <message>
        <source>an ELF executable</source>
        <translation>an ELF executable</translation>
    </message>
    <message>
        <source>a 7z archive</source>
        <translation>a 7z archive</translation>
    </message>
    <message>
        <source>a BMP bitmap</source>
        <translation>a BMP bitmap</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>bytes %1 to %2</source>
        <translation>bytes %1 to %2</translation>
    </message>
    <message>
        <source>bit %1</source>
        <translation>bit %1</translation>
    </message>
    <message>
        <source>bits %1 to %2</source>
        <translation>bits %1 to %2</translation>
    </message>
    <message>
        <source>pixel (%1, %2)</source>
        <translation>pixel (%1, %2)</translation>
    </message>
    <message>
        <source>pixels (%1, %2) to (%3, %2)</source>
        <translation>pixels (%1, %2) to (%3, %2)</translation>
    </message>
    <message>
        <source>%1 (stored row %2)</source>
        <translation>%1 (stored row %2)</translation>
    </message>
    <message>
        <source>stored row %1, past the picture</source>
        <translation>stored row %1, past the picture</translation>
    </message>
    <message numerus="yes">
        <source>%n pixel(s)</source>
        <translation>
            <numerusform>%n pixel</numerusform>
            <numerusform>%n pixels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n row</numerusform>
            <numerusform>%n rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n column(s)</source>
        <translation>
            <numerusform>%n column</numerusform>
            <numerusform>%n columns</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PictureTexts</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>colour %1 as the window draws it</source>
        <translation>colour %1 as the window draws it</translation>
    </message>
    <message>
        <source>no colour: the %1 stream is not decoded here</source>
        <translation>no colour: the %1 stream is not decoded here</translation>
    </message>
    <message>
        <source>Coded in the embedded %1 stream of %2 at offset %3 (%4), which Hexlume does not take apart: no bytes of the file hold this pixel alone</source>
        <translation>Coded in the embedded %1 stream of %2 at offset %3 (%4), which Hexlume does not take apart: no bytes of the file hold this pixel alone</translation>
    </message>
    <message>
        <source>the pixel data codes runs of pixels, so no bytes hold this one alone</source>
        <translation>the pixel data codes runs of pixels, so no bytes hold this one alone</translation>
    </message>
    <message>
        <source>no code draws it, so the format leaves it undefined (drawn transparent)</source>
        <translation>no code draws it, so the format leaves it undefined (drawn transparent)</translation>
    </message>
    <message>
        <source>colour %1</source>
        <translation>colour %1</translation>
    </message>
    <message>
        <source>no colour: the file ends before its bytes</source>
        <translation>no colour: the file ends before its bytes</translation>
    </message>
    <message>
        <source>%1, index %2, %3</source>
        <translation>%1, index %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>past the table&apos;s %n (entry|entries)</source>
        <translation>
            <numerusform>past the table&apos;s %n entry</numerusform>
            <numerusform>past the table&apos;s %n entries</numerusform>
        </translation>
    </message>
    <message>
        <source>Held by the byte at offset %1 (%2)</source>
        <translation>Held by the byte at offset %1 (%2)</translation>
    </message>
    <message>
        <source>Held by the %3 bytes at offset %1 (%2)</source>
        <translation>Held by the %3 bytes at offset %1 (%2)</translation>
    </message>
    <message>
        <source>%1, %2 (0 = most significant)</source>
        <translation>%1, %2 (0 = most significant)</translation>
    </message>
</context>
<context>
    <name>Planes</name>
    <message>
        <source>red</source>
        <translation>red</translation>
    </message>
    <message>
        <source>green</source>
        <translation>green</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>alpha</source>
        <translation>alpha</translation>
    </message>
    <message>
        <source>index</source>
        <translation>index</translation>
    </message>
    <message>
        <source>colours as drawn</source>
        <translation>colours as drawn</translation>
    </message>
    <message>
        <source>%1, bit %2</source>
        <translation>%1, bit %2</translation>
    </message>
    <message>
        <source>%1: no value, the file holds no bytes for this pixel</source>
        <translation>%1: no value, the file holds no bytes for this pixel</translation>
    </message>
    <message>
        <source>%1: %2 of %3, binary %4</source>
        <translation>%1: %2 of %3, binary %4</translation>
    </message>
    <message>
        <source>%1: %2 (%3 %4 of %5, binary %6)</source>
        <translation>%1: %2 (%3 %4 of %5, binary %6)</translation>
    </message>
    <message>
        <source>%1: white where the bit is 1, black where it is 0</source>
        <translation>%1: white where the bit is 1, black where it is 0</translation>
    </message>
    <message>
        <source>%1: black for 0, white for %2, the most its bit holds</source>
        <translation>%1: black for 0, white for %2, the most its bit holds</translation>
    </message>
    <message>
        <source>%1: black for 0, white for %2, the most its %3 bits hold</source>
        <translation>%1: black for 0, white for %2, the most its %3 bits hold</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>input device</source>
        <translation>input device</translation>
    </message>
    <message>
        <source>display device</source>
        <translation>display device</translation>
    </message>
    <message>
        <source>output device</source>
        <translation>output device</translation>
    </message>
    <message>
        <source>device link</source>
        <translation>device link</translation>
    </message>
    <message>
        <source>colour space</source>
        <translation>colour space</translation>
    </message>
    <message>
        <source>abstract</source>
        <translation>abstract</translation>
    </message>
    <message>
        <source>named colour</source>
        <translation>named colour</translation>
    </message>
    <message>
        <source>XYZ</source>
        <translation>XYZ</translation>
    </message>
    <message>
        <source>CIELAB</source>
        <translation>CIELAB</translation>
    </message>
    <message>
        <source>CIELUV</source>
        <translation>CIELUV</translation>
    </message>
    <message>
        <source>YCbCr</source>
        <translation>YCbCr</translation>
    </message>
    <message>
        <source>CIEYxy</source>
        <translation>CIEYxy</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>grey</translation>
    </message>
    <message>
        <source>HSV</source>
        <translation>HSV</translation>
    </message>
    <message>
        <source>HLS</source>
        <translation>HLS</translation>
    </message>
    <message>
        <source>CMYK</source>
        <translation>CMYK</translation>
    </message>
    <message>
        <source>CMY</source>
        <translation>CMY</translation>
    </message>
    <message>
        <source>profile description</source>
        <translation>profile description</translation>
    </message>
    <message>
        <source>copyright</source>
        <translation>copyright</translation>
    </message>
    <message>
        <source>media white point</source>
        <translation>media white point</translation>
    </message>
    <message>
        <source>media black point</source>
        <translation>media black point</translation>
    </message>
    <message>
        <source>red colorant</source>
        <translation>red colorant</translation>
    </message>
    <message>
        <source>green colorant</source>
        <translation>green colorant</translation>
    </message>
    <message>
        <source>blue colorant</source>
        <translation>blue colorant</translation>
    </message>
    <message>
        <source>red tone curve</source>
        <translation>red tone curve</translation>
    </message>
    <message>
        <source>green tone curve</source>
        <translation>green tone curve</translation>
    </message>
    <message>
        <source>blue tone curve</source>
        <translation>blue tone curve</translation>
    </message>
    <message>
        <source>grey tone curve</source>
        <translation>grey tone curve</translation>
    </message>
    <message>
        <source>chromatic adaptation</source>
        <translation>chromatic adaptation</translation>
    </message>
    <message>
        <source>luminance</source>
        <translation>luminance</translation>
    </message>
    <message>
        <source>measurement</source>
        <translation>measurement</translation>
    </message>
    <message>
        <source>technology</source>
        <translation>technology</translation>
    </message>
    <message>
        <source>viewing conditions</source>
        <translation>viewing conditions</translation>
    </message>
    <message>
        <source>viewing conditions description</source>
        <translation>viewing conditions description</translation>
    </message>
    <message>
        <source>device manufacturer description</source>
        <translation>device manufacturer description</translation>
    </message>
    <message>
        <source>device model description</source>
        <translation>device model description</translation>
    </message>
    <message>
        <source>device to PCS, perceptual</source>
        <translation>device to PCS, perceptual</translation>
    </message>
    <message>
        <source>device to PCS, colorimetric</source>
        <translation>device to PCS, colorimetric</translation>
    </message>
    <message>
        <source>device to PCS, saturation</source>
        <translation>device to PCS, saturation</translation>
    </message>
    <message>
        <source>PCS to device, perceptual</source>
        <translation>PCS to device, perceptual</translation>
    </message>
    <message>
        <source>PCS to device, colorimetric</source>
        <translation>PCS to device, colorimetric</translation>
    </message>
    <message>
        <source>PCS to device, saturation</source>
        <translation>PCS to device, saturation</translation>
    </message>
    <message>
        <source>gamut</source>
        <translation>gamut</translation>
    </message>
    <message>
        <source>chromaticity</source>
        <translation>chromaticity</translation>
    </message>
    <message>
        <source>coding-independent code points</source>
        <translation>coding-independent code points</translation>
    </message>
    <message>
        <source>colorant table</source>
        <translation>colorant table</translation>
    </message>
    <message>
        <source>named colours</source>
        <translation>named colours</translation>
    </message>
    <message>
        <source>profile sequence</source>
        <translation>profile sequence</translation>
    </message>
    <message>
        <source>characterization target</source>
        <translation>characterization target</translation>
    </message>
    <message>
        <source>calibration date and time</source>
        <translation>calibration date and time</translation>
    </message>
    <message>
        <source>preview, perceptual</source>
        <translation>preview, perceptual</translation>
    </message>
    <message>
        <source>0 = none</source>
        <translation>0 = none</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>0 = not given</source>
        <translation>0 = not given</translation>
    </message>
    <message>
        <source>0 = not computed</source>
        <translation>0 = not computed</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>embedded</source>
        <translation>embedded</translation>
    </message>
    <message>
        <source>not embedded</source>
        <translation>not embedded</translation>
    </message>
    <message>
        <source>not to be used apart from its data</source>
        <translation>not to be used apart from its data</translation>
    </message>
    <message>
        <source>may be used on its own</source>
        <translation>may be used on its own</translation>
    </message>
    <message>
        <source>%1, %2, %3, %4</source>
        <translation>%1, %2, %3, %4</translation>
    </message>
    <message>
        <source>transparency</source>
        <translation>transparency</translation>
    </message>
    <message>
        <source>reflective</source>
        <translation>reflective</translation>
    </message>
    <message>
        <source>matte</source>
        <translation>matte</translation>
    </message>
    <message>
        <source>glossy</source>
        <translation>glossy</translation>
    </message>
    <message>
        <source>negative</source>
        <translation>negative</translation>
    </message>
    <message>
        <source>positive</source>
        <translation>positive</translation>
    </message>
    <message>
        <source>black and white</source>
        <translation>black and white</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>colour</translation>
    </message>
    <message>
        <source>perceptual</source>
        <translation>perceptual</translation>
    </message>
    <message>
        <source>media-relative colorimetric</source>
        <translation>media-relative colorimetric</translation>
    </message>
    <message>
        <source>saturation</source>
        <translation>saturation</translation>
    </message>
    <message>
        <source>ICC-absolute colorimetric</source>
        <translation>ICC-absolute colorimetric</translation>
    </message>
    <message>
        <source>%1 = not defined</source>
        <translation>%1 = not defined</translation>
    </message>
    <message>
        <source>must be &apos;acsp&apos;</source>
        <translation>must be &apos;acsp&apos;</translation>
    </message>
    <message>
        <source>not all 0</source>
        <translation>not all 0</translation>
    </message>
    <message>
        <source>%1 = %2: %3</source>
        <translation>%1 = %2: %3</translation>
    </message>
    <message>
        <source>profile byte %1 = file offset %2</source>
        <translation>profile byte %1 = file offset %2</translation>
    </message>
    <message numerus="yes">
        <source>%n tag(s); the first %1 are explained</source>
        <translation>
            <numerusform>%n tag; the first %1 are explained</numerusform>
            <numerusform>%n tags; the first %1 are explained</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tag(s)</source>
        <translation>
            <numerusform>%n tag</numerusform>
            <numerusform>%n tags</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>位图文件（*.bmp）</source>
        <translation>Bitmap files</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
</context>
<context>
    <name>Repairs</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>%1 (indices past the table) became entry %2</source>
        <translation>%1 (indices past the table) became entry %2</translation>
    </message>
    <message>
        <source>%1 (missing pixels) became entry %2</source>
        <translation>%1 (missing pixels) became entry %2</translation>
    </message>
    <message>
        <source>pixels the stream skips became entry 0 (%1)</source>
        <translation>pixels the stream skips became entry 0 (%1)</translation>
    </message>
    <message>
        <source>pixels the stream skips became black</source>
        <translation>pixels the stream skips became black</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <translation>%1: %2 → %3</translation>
    </message>
    <message>
        <source>as every bitmap has</source>
        <translation>as every bitmap has</translation>
    </message>
    <message>
        <source>as it must be</source>
        <translation>as it must be</translation>
    </message>
    <message>
        <source>where the picture&apos;s %1 of rows end the file</source>
        <translation>where the picture&apos;s %1 of rows end the file</translation>
    </message>
    <message>
        <source>right after the colour table, where an RLE stream starts that ends the file with its end-of-bitmap code</source>
        <translation>right after the colour table, where an RLE stream starts that ends the file with its end-of-bitmap code</translation>
    </message>
    <message>
        <source>the entries that fit before the pixel data</source>
        <translation>the entries that fit before the pixel data</translation>
    </message>
    <message>
        <source>all colours</source>
        <translation>all colours</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>not given</translation>
    </message>
    <message>
        <source>%1: %2 → %3, LCS_sRGB, the colour space readers take</source>
        <translation>%1: %2 → %3, LCS_sRGB, the colour space readers take</translation>
    </message>
    <message>
        <source>RLE end-of-bitmap code (00 01) appended at offset %1</source>
        <translation>RLE end-of-bitmap code (00 01) appended at offset %1</translation>
    </message>
    <message>
        <source>%1, taking in %2 of %3 (a guess)</source>
        <translation>%1, taking in %2 of %3 (a guess)</translation>
    </message>
    <message>
        <source>Pixel data: the %1 the file lacks (stored rows %2 to %3) filled with zero bytes, made up</source>
        <translation>Pixel data: the %1 the file lacks (stored rows %2 to %3) filled with zero bytes, made up</translation>
    </message>
    <message numerus="yes">
        <source>%n bit(s) rows</source>
        <translation>
            <numerusform>%n bit rows</numerusform>
            <numerusform>%n bits rows</numerusform>
        </translation>
    </message>
    <message>
        <source>the %1 stream</source>
        <translation>the %1 stream</translation>
    </message>
    <message>
        <source>Picture stored again as the decoder draws it, %1x%2 in uncompressed %3-bit rows under a BITMAPINFOHEADER, in place of %4 (a guess)</source>
        <translation>Picture stored again as the decoder draws it, %1x%2 in uncompressed %3-bit rows under a BITMAPINFOHEADER, in place of %4 (a guess)</translation>
    </message>
    <message>
        <source>Picture stored again as the decoder draws it, %1x%2 in uncompressed %3-bit rows under a BITMAPINFOHEADER, in place of %4; %5 (a guess)</source>
        <translation>Picture stored again as the decoder draws it, %1x%2 in uncompressed %3-bit rows under a BITMAPINFOHEADER, in place of %4; %5 (a guess)</translation>
    </message>
    <message>
        <source>Bits outside the channel masks zeroed in %1</source>
        <translation>Bits outside the channel masks zeroed in %1</translation>
    </message>
    <message>
        <source>Row padding and bits outside the channel masks zeroed in %1</source>
        <translation>Row padding and bits outside the channel masks zeroed in %1</translation>
    </message>
    <message>
        <source>Row padding zeroed in %1</source>
        <translation>Row padding zeroed in %1</translation>
    </message>
    <message numerus="yes">
        <source>%n gap(s) zeroed (%1)</source>
        <translation>
            <numerusform>%n gap zeroed (%1)</numerusform>
            <numerusform>%n gaps zeroed (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>The %1 after the bitmap&apos;s last part dropped</source>
        <translation>The %1 after the bitmap&apos;s last part dropped</translation>
    </message>
    <message>
        <source>the size of the rows</source>
        <translation>the size of the rows</translation>
    </message>
    <message>
        <source>the RLE stream&apos;s size up to its end-of-bitmap code</source>
        <translation>the RLE stream&apos;s size up to its end-of-bitmap code</translation>
    </message>
    <message>
        <source>the Huffman stream&apos;s size up to its last row</source>
        <translation>the Huffman stream&apos;s size up to its last row</translation>
    </message>
    <message>
        <source>the bitmap&apos;s extent, before %1 that trail it</source>
        <translation>the bitmap&apos;s extent, before %1 that trail it</translation>
    </message>
    <message>
        <source>the file&apos;s size</source>
        <translation>the file&apos;s size</translation>
    </message>
    <message>
        <source>None: fewer than 14 bytes leave no headers to repair.</source>
        <translation>None: fewer than 14 bytes leave no headers to repair.</translation>
    </message>
    <message>
        <source>None: the signature is what says the bytes are a bitmap at all.</source>
        <translation>None: the signature is what says the bytes are a bitmap at all.</translation>
    </message>
    <message>
        <source>None: the header&apos;s missing fields have no other source.</source>
        <translation>None: the header&apos;s missing fields have no other source.</translation>
    </message>
    <message>
        <source>None: no other field tells the header&apos;s version.</source>
        <translation>None: no other field tells the header&apos;s version.</translation>
    </message>
    <message>
        <source>None needed: a note.</source>
        <translation>None needed: a note.</translation>
    </message>
    <message>
        <source>biPlanes set to 1.</source>
        <translation>biPlanes set to 1.</translation>
    </message>
    <message>
        <source>None needed: a rare but defined format.</source>
        <translation>None needed: a rare but defined format.</translation>
    </message>
    <message>
        <source>None: no other field tells how the pixels are stored.</source>
        <translation>None: no other field tells how the pixels are stored.</translation>
    </message>
    <message>
        <source>None: either field may be the wrong one.</source>
        <translation>None: either field may be the wrong one.</translation>
    </message>
    <message>
        <source>None: no other field tells the picture&apos;s width.</source>
        <translation>None: no other field tells the picture&apos;s width.</translation>
    </message>
    <message>
        <source>None: no other field tells the picture&apos;s height.</source>
        <translation>None: no other field tells the picture&apos;s height.</translation>
    </message>
    <message>
        <source>None: readers differ on which way such rows run.</source>
        <translation>None: readers differ on which way such rows run.</translation>
    </message>
    <message>
        <source>None: no size the fields can hold is right.</source>
        <translation>None: no size the fields can hold is right.</translation>
    </message>
    <message>
        <source>bfSize set to the file&apos;s size, or to the bitmap&apos;s extent when bytes trail it.</source>
        <translation>bfSize set to the file&apos;s size, or to the bitmap&apos;s extent when bytes trail it.</translation>
    </message>
    <message>
        <source>None needed: an OS/2 writer&apos;s custom.</source>
        <translation>None needed: an OS/2 writer&apos;s custom.</translation>
    </message>
    <message>
        <source>The reserved word set to 0.</source>
        <translation>The reserved word set to 0.</translation>
    </message>
    <message>
        <source>biClrUsed set to the entries that fit before the pixel data.</source>
        <translation>biClrUsed set to the entries that fit before the pixel data.</translation>
    </message>
    <message>
        <source>None: the missing entries have no other source.</source>
        <translation>None: the missing entries have no other source.</translation>
    </message>
    <message>
        <source>biClrImportant set to 0, all colours.</source>
        <translation>biClrImportant set to 0, all colours.</translation>
    </message>
    <message>
        <source>None: the missing masks have no other source.</source>
        <translation>None: the missing masks have no other source.</translation>
    </message>
    <message>
        <source>None: which mask is wrong is not in the file.</source>
        <translation>None: which mask is wrong is not in the file.</translation>
    </message>
    <message>
        <source>None: which bits the channel had is not in the file.</source>
        <translation>None: which bits the channel had is not in the file.</translation>
    </message>
    <message>
        <source>None: the mask&apos;s width sets the channel&apos;s scale.</source>
        <translation>None: the mask&apos;s width sets the channel&apos;s scale.</translation>
    </message>
    <message>
        <source>The density set to 0, not given.</source>
        <translation>The density set to 0, not given.</translation>
    </message>
    <message>
        <source>None: which density is right is not in the file.</source>
        <translation>None: which density is right is not in the file.</translation>
    </message>
    <message>
        <source>The colour-space type set to LCS_sRGB, which readers take.</source>
        <translation>The colour-space type set to LCS_sRGB, which readers take.</translation>
    </message>
    <message>
        <source>None: the profile&apos;s bytes are not in the file.</source>
        <translation>None: the profile&apos;s bytes are not in the file.</translation>
    </message>
    <message>
        <source>None: the profile&apos;s own bytes are not apart from the headers.</source>
        <translation>None: the profile&apos;s own bytes are not apart from the headers.</translation>
    </message>
    <message>
        <source>None: the profile&apos;s own bytes are not apart from the pixels.</source>
        <translation>None: the profile&apos;s own bytes are not apart from the pixels.</translation>
    </message>
    <message>
        <source>None: which size is right is not in the file.</source>
        <translation>None: which size is right is not in the file.</translation>
    </message>
    <message>
        <source>None: the bytes are no profile.</source>
        <translation>None: the bytes are no profile.</translation>
    </message>
    <message>
        <source>None: the tag&apos;s data is not in the profile.</source>
        <translation>None: the tag&apos;s data is not in the profile.</translation>
    </message>
    <message>
        <source>None: where the name ends is not in the file.</source>
        <translation>None: where the name ends is not in the file.</translation>
    </message>
    <message>
        <source>bfOffBits set where the pixel data is, when only one place fits: uncompressed rows that end the file, or an RLE stream from the colour table&apos;s end to the file&apos;s.</source>
        <translation>bfOffBits set where the pixel data is, when only one place fits: uncompressed rows that end the file, or an RLE stream from the colour table&apos;s end to the file&apos;s.</translation>
    </message>
    <message>
        <source>As pixel-offset-overlaps.</source>
        <translation>As pixel-offset-overlaps.</translation>
    </message>
    <message>
        <source>For an RLE or Huffman stream, biSizeImage set to the stream&apos;s size; uncompressed rows need none.</source>
        <translation>For an RLE or Huffman stream, biSizeImage set to the stream&apos;s size; uncompressed rows need none.</translation>
    </message>
    <message>
        <source>biSizeImage set to the rows&apos; size, or the stream&apos;s up to its end code.</source>
        <translation>biSizeImage set to the rows&apos; size, or the stream&apos;s up to its end code.</translation>
    </message>
    <message>
        <source>As size-image-mismatch.</source>
        <translation>As size-image-mismatch.</translation>
    </message>
    <message>
        <source>Only with --fix=pad: the missing rows made up of zero bytes.</source>
        <translation>Only with --fix=pad: the missing rows made up of zero bytes.</translation>
    </message>
    <message>
        <source>biClrUsed set to the entries that fit before the pixel data, when more fit than it gives.</source>
        <translation>biClrUsed set to the entries that fit before the pixel data, when more fit than it gives.</translation>
    </message>
    <message>
        <source>Only with --strip: zeroed.</source>
        <translation>Only with --strip: zeroed.</translation>
    </message>
    <message>
        <source>None: the stream&apos;s own bytes are wrong.</source>
        <translation>None: the stream&apos;s own bytes are wrong.</translation>
    </message>
    <message>
        <source>None: where the writer meant the pixels is not in the file.</source>
        <translation>None: where the writer meant the pixels is not in the file.</translation>
    </message>
    <message>
        <source>None: the rest of the code is not in the file.</source>
        <translation>None: the rest of the code is not in the file.</translation>
    </message>
    <message>
        <source>The end-of-bitmap code appended, and the sizes set to match.</source>
        <translation>The end-of-bitmap code appended, and the sizes set to match.</translation>
    </message>
    <message>
        <source>None needed: the format allows it.</source>
        <translation>None needed: the format allows it.</translation>
    </message>
    <message>
        <source>None: the missing pixels are not in the file.</source>
        <translation>None: the missing pixels are not in the file.</translation>
    </message>
    <message>
        <source>None: the code meant is not in the file.</source>
        <translation>None: the code meant is not in the file.</translation>
    </message>
    <message>
        <source>None: where the row ends is not in the file.</source>
        <translation>None: where the row ends is not in the file.</translation>
    </message>
    <message>
        <source>None: the rest of the stream is not in the file.</source>
        <translation>None: the rest of the stream is not in the file.</translation>
    </message>
    <message>
        <source>Only with --strip: dropped, and bfSize set to match.</source>
        <translation>Only with --strip: dropped, and bfSize set to match.</translation>
    </message>
    <message>
        <source>None: an OS/2 bitmap array is not repaired.</source>
        <translation>None: an OS/2 bitmap array is not repaired.</translation>
    </message>
    <message>
        <source>None: the missing entry is not in the file.</source>
        <translation>None: the missing entry is not in the file.</translation>
    </message>
    <message>
        <source>None: which entry the chain meant is not in the file.</source>
        <translation>None: which entry the chain meant is not in the file.</translation>
    </message>
    <message>
        <source>None: about the window&apos;s dump, not the file.</source>
        <translation>None: about the window&apos;s dump, not the file.</translation>
    </message>
    <message>
        <source>Only with --fix=height: biHeight taking in the rows (and bfOffBits for rows before the pixel data).</source>
        <translation>Only with --fix=height: biHeight taking in the rows (and bfOffBits for rows before the pixel data).</translation>
    </message>
    <message>
        <source>None: icon and cursor files are not repaired.</source>
        <translation>None: icon and cursor files are not repaired.</translation>
    </message>
    <message>
        <source>None: the images are not in the file.</source>
        <translation>None: the images are not in the file.</translation>
    </message>
    <message>
        <source>None: the missing entries are not in the file.</source>
        <translation>None: the missing entries are not in the file.</translation>
    </message>
    <message>
        <source>None: the image&apos;s missing bytes are not in the file.</source>
        <translation>None: the image&apos;s missing bytes are not in the file.</translation>
    </message>
    <message>
        <source>None: which entry is wrong is not in the file.</source>
        <translation>None: which entry is wrong is not in the file.</translation>
    </message>
    <message>
        <source>None: the mask&apos;s missing bytes are not in the file.</source>
        <translation>None: the mask&apos;s missing bytes are not in the file.</translation>
    </message>
    <message>
        <source>None: the PNG stream is not taken apart.</source>
        <translation>None: the PNG stream is not taken apart.</translation>
    </message>
    <message>
        <source>None: where the hot spot was meant to be is not in the file.</source>
        <translation>None: where the hot spot was meant to be is not in the file.</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>OS/2 array</source>
        <translation>OS/2 array</translation>
    </message>
    <message>
        <source>icon</source>
        <translation>icon</translation>
    </message>
    <message>
        <source>cursor</source>
        <translation>cursor</translation>
    </message>
    <message>
        <source>headerless DIB</source>
        <translation>headerless DIB</translation>
    </message>
    <message>
        <source>%1 %2/%3</source>
        <translation>%1 %2/%3</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, %n bit(s)</source>
        <translation>
            <numerusform>%1: %2, %n bit</numerusform>
            <numerusform>%1: %2, %n bits</numerusform>
        </translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>图像名称:%1</source>
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>图像大小:%1</source>
        <translation>Size: %1</translation>
    </message>
    <message>
        <source>图像类型:%1</source>
        <translation>Type: %1</translation>
    </message>
    <message>
        <source>图像名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>图像大小</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>图像类型</source>
        <translation>Type</translation>
    </message>
</context>
<context>
    <name>TFQForm</name>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>使用说明:</source>
        <translation>Usage:</translation>
    </message>
    <message>
        <source>作    者：佚名</source>
        <translation>Author: anon.</translation>
    </message>
    <message>
        <source>联    系：</source>
        <translation>Contact:</translation>
    </message>
    <message>
        <source>博    客： </source>
        <translation>Blog: </translation>
    </message>
    <message>
        <source>点击访问</source>
        <translation>Click to visit</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>本软件用于帮助图像处理者导出图像数据，以便进行分析，由于编者学艺不精，软件制作粗糙，功能简陋，望广大软件爱好者指评！</source>
        <translation>This program helps people who work with pictures export a picture&apos;s data for analysis. Its author is no expert, so it is rough and simple: comments from fellow enthusiasts are welcome!</translation>
    </message>
    <message>
        <source>软件操作简单，只需在图片区单击鼠标左右键即可打开图像，然后可以从图像预览区预览图像，从位图文件头和位图信息头列表中读取图像相关信息，还可在右边的数据区查看数据详情，数据都是用16进制表示。</source>
        <translation>It is easy to use: click the picture area with the left or right mouse button to open a picture. The preview area then shows the picture, the bitmap file header and bitmap info header tables give its details, and the data area on the right shows its data, all in hexadecimal.</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Bitmap File Header 位图文件头信息</source>
        <translation>Bitmap File Header</translation>
    </message>
    <message>
        <source>Bitmap Info Header 位图信息头信息</source>
        <translation>Bitmap Info Header</translation>
    </message>
    <message>
        <source>从这里开始--您可以尝试你的鼠标左右键哦！</source>
        <translation>Start here: try your left and right mouse buttons!</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>%1 is a %2, not one number: set its bytes</source>
        <translation>%1 is a %2, not one number: set its bytes</translation>
    </message>
    <message>
        <source>%1 is a %2 of %3, not one number: set its bytes</source>
        <translation>%1 is a %2 of %3, not one number: set its bytes</translation>
    </message>
    <message>
        <source>%1 is a %2: %3 to %4</source>
        <translation>%1 is a %2: %3 to %4</translation>
    </message>
    <message>
        <source>%1 takes a number: decimal, or hex after 0x</source>
        <translation>%1 takes a number: decimal, or hex after 0x</translation>
    </message>
    <message>
        <source>%1 takes a number: hex digits as shown, or decimal with a sign or a trailing dot (64.)</source>
        <translation>%1 takes a number: hex digits as shown, or decimal with a sign or a trailing dot (64.)</translation>
    </message>
    <message>
        <source>%1 takes a colour as #RRGGBB: six hex digits, red, green, blue</source>
        <translation>%1 takes a colour as #RRGGBB: six hex digits, red, green, blue</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message numerus="yes">
        <source>%n colour(s)</source>
        <translation>
            <numerusform>%n colour</numerusform>
            <numerusform>%n colours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n (bit|bits) per pixel</source>
        <translation>
            <numerusform>%n bit per pixel</numerusform>
            <numerusform>%n bits per pixel</numerusform>
        </translation>
    </message>
    <message>
        <source>no bits</source>
        <translation>no bits</translation>
    </message>
    <message numerus="yes">
        <source>%n bit(s), not contiguous</source>
        <translation>
            <numerusform>%n bit, not contiguous</numerusform>
            <numerusform>%n bits, not contiguous</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n bit(s)</source>
        <translation>
            <numerusform>%n bit</numerusform>
            <numerusform>%n bits</numerusform>
        </translation>
    </message>
    <message>
        <source>0 = not given</source>
        <translation>0 = not given</translation>
    </message>
    <message>
        <source>%1 px/m = %2 dpi</source>
        <translation>%1 px/m = %2 dpi</translation>
    </message>
    <message>
        <source>not defined</source>
        <translation>not defined</translation>
    </message>
    <message>
        <source>gamma %1</source>
        <translation>gamma %1</translation>
    </message>
    <message>
        <source>no rows</source>
        <translation>no rows</translation>
    </message>
    <message numerus="yes">
        <source>top-down, %n row(s)</source>
        <translation>
            <numerusform>top-down, %n row</numerusform>
            <numerusform>top-down, %n rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bottom-up, %n row(s)</source>
        <translation>
            <numerusform>bottom-up, %n row</numerusform>
            <numerusform>bottom-up, %n rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>top-down, 2 × %n row(s): XOR pixels, then AND mask</source>
        <translation>
            <numerusform>top-down, 2 × %n row: XOR pixels, then AND mask</numerusform>
            <numerusform>top-down, 2 × %n rows: XOR pixels, then AND mask</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bottom-up, 2 × %n row(s): XOR pixels, then AND mask</source>
        <translation>
            <numerusform>bottom-up, 2 × %n row: XOR pixels, then AND mask</numerusform>
            <numerusform>bottom-up, 2 × %n rows: XOR pixels, then AND mask</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (odd: a row left over)</source>
        <translation>%1 (odd: a row left over)</translation>
    </message>
    <message>
        <source>1 = icon</source>
        <translation>1 = icon</translation>
    </message>
    <message>
        <source>2 = cursor</source>
        <translation>2 = cursor</translation>
    </message>
    <message numerus="yes">
        <source>0 = 2^%1 = %n colour(s)</source>
        <translation>
            <numerusform>0 = 2^%1 = %n colour</numerusform>
            <numerusform>0 = 2^%1 = %n colours</numerusform>
        </translation>
    </message>
    <message>
        <source>0 = no colour table</source>
        <translation>0 = no colour table</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>error diffusion</source>
        <translation>error diffusion</translation>
    </message>
    <message>
        <source>super-circle</source>
        <translation>super-circle</translation>
    </message>
    <message>
        <source>pixel data at offset %1</source>
        <translation>pixel data at offset %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 pixel(s)</source>
        <translation>
            <numerusform>%1 pixel</numerusform>
            <numerusform>%1 pixels</numerusform>
        </translation>
    </message>
    <message>
        <source>must be 1</source>
        <translation>must be 1</translation>
    </message>
    <message>
        <source>0 = as the rows take</source>
        <translation>0 = as the rows take</translation>
    </message>
    <message>
        <source>0 = all colours</source>
        <translation>0 = all colours</translation>
    </message>
    <message>
        <source>profile at file offset %1</source>
        <translation>profile at file offset %1</translation>
    </message>
    <message>
        <source>0 = pixels per metre</source>
        <translation>0 = pixels per metre</translation>
    </message>
    <message>
        <source>0 = bottom-up</source>
        <translation>0 = bottom-up</translation>
    </message>
    <message>
        <source>0 = RGB</source>
        <translation>0 = RGB</translation>
    </message>
    <message>
        <source>0 = the last entry</source>
        <translation>0 = the last entry</translation>
    </message>
    <message>
        <source>next entry at offset %1</source>
        <translation>next entry at offset %1</translation>
    </message>
    <message>
        <source>0 = any display</source>
        <translation>0 = any display</translation>
    </message>
    <message>
        <source>must be 0</source>
        <translation>must be 0</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s)</source>
        <translation>
            <numerusform>%n image</numerusform>
            <numerusform>%n images</numerusform>
        </translation>
    </message>
    <message>
        <source>0 = 256 pixels</source>
        <translation>0 = 256 pixels</translation>
    </message>
    <message>
        <source>0 = no colour table, or 256 colours</source>
        <translation>0 = no colour table, or 256 colours</translation>
    </message>
    <message>
        <source>0 = as the image says</source>
        <translation>0 = as the image says</translation>
    </message>
    <message numerus="yes">
        <source>hot spot %n pixel(s) from the left</source>
        <translation>
            <numerusform>hot spot %n pixel from the left</numerusform>
            <numerusform>hot spot %n pixels from the left</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hot spot %n pixel(s) from the top</source>
        <translation>
            <numerusform>hot spot %n pixel from the top</numerusform>
            <numerusform>hot spot %n pixels from the top</numerusform>
        </translation>
    </message>
    <message>
        <source>image at offset %1</source>
        <translation>image at offset %1</translation>
    </message>
</context>
<context>
    <name>hexlume::DumpEditing</name>
    <message>
        <source>Set file &amp;size...</source>
        <translation>Set file &amp;size...</translation>
    </message>
    <message>
        <source>No file is open.</source>
        <translation>No file is open.</translation>
    </message>
</context>
<context>
    <name>hexlume::DumpNavigator</name>
    <message>
        <source>&amp;Go to offset...</source>
        <translation>&amp;Go to offset...</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Find...</translation>
    </message>
    <message>
        <source>Find &amp;next</source>
        <translation>Find &amp;next</translation>
    </message>
    <message>
        <source>Find &amp;previous</source>
        <translation>Find &amp;previous</translation>
    </message>
    <message>
        <source>Back to the &amp;top</source>
        <translation>Back to the &amp;top</translation>
    </message>
    <message>
        <source>To the &amp;end</source>
        <translation>To the &amp;end</translation>
    </message>
    <message>
        <source>No file is open.</source>
        <translation>No file is open.</translation>
    </message>
    <message>
        <source>Not in the file: %1</source>
        <translation>Not in the file: %1</translation>
    </message>
    <message>
        <source>Found at offset %1. %2</source>
        <translation>Found at offset %1. %2</translation>
    </message>
    <message>
        <source>Went round past the end of the file, back to its start. </source>
        <translation>Went round past the end of the file, back to its start. </translation>
    </message>
    <message>
        <source>Went round past the start of the file, back to its end. </source>
        <translation>Went round past the start of the file, back to its end. </translation>
    </message>
</context>
<context>
    <name>hexlume::DumpQueryDialog</name>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Go to offset</source>
        <translation>Go to offset</translation>
    </message>
    <message>
        <source>42 4D ?? 00</source>
        <translation>42 4D ?? 00</translation>
    </message>
    <message>
        <source>Hex bytes (?? for any byte)</source>
        <translation>Hex bytes (?? for any byte)</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>text as typed</source>
        <translation>text as typed</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Find:</translation>
    </message>
    <message>
        <source>As:</source>
        <translation>As:</translation>
    </message>
    <message>
        <source>1086, 0x43E, +16 or -16 from the lit byte</source>
        <translation>1086, 0x43E, +16 or -16 from the lit byte</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Offset:</translation>
    </message>
    <message>
        <source>Find &amp;next</source>
        <translation>Find &amp;next</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Go</translation>
    </message>
    <message>
        <source>Find &amp;previous</source>
        <translation>Find &amp;previous</translation>
    </message>
</context>
<context>
    <name>hexlume::FieldsModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Decimal</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Meaning</translation>
    </message>
</context>
<context>
    <name>hexlume::FieldsWindow</name>
    <message>
        <source>Fields</source>
        <translation>Fields</translation>
    </message>
    <message>
        <source>Fields — %1</source>
        <translation>Fields — %1</translation>
    </message>
    <message>
        <source>Choose a row to light its bytes in the dump.</source>
        <translation>Choose a row to light its bytes in the dump.</translation>
    </message>
</context>
<context>
    <name>hexlume::FileSizeDialog</name>
    <message>
        <source>Set file size</source>
        <translation>Set file size</translation>
    </message>
    <message>
        <source>1086 or 0x43E</source>
        <translation>1086 or 0x43E</translation>
    </message>
    <message>
        <source>A smaller size cuts the file; a larger one adds zero bytes at its end.</source>
        <translation>A smaller size cuts the file; a larger one adds zero bytes at its end.</translation>
    </message>
    <message>
        <source>The file has %1 (%2). New size:</source>
        <translation>The file has %1 (%2). New size:</translation>
    </message>
</context>
<context>
    <name>hexlume::FileWindows</name>
    <message>
        <source>The finding&apos;s first byte</source>
        <translation>The finding&apos;s first byte</translation>
    </message>
    <message>
        <source>The chosen byte</source>
        <translation>The chosen byte</translation>
    </message>
    <message>
        <source>The chosen field</source>
        <translation>The chosen field</translation>
    </message>
    <message>
        <source>The chosen row&apos;s first byte</source>
        <translation>The chosen row&apos;s first byte</translation>
    </message>
    <message>
        <source>No bytes of the file hold this pixel.</source>
        <translation>No bytes of the file hold this pixel.</translation>
    </message>
    <message>
        <source>Offset %1, %2. %3</source>
        <translation>Offset %1, %2. %3</translation>
    </message>
    <message>
        <source>The clicked byte</source>
        <translation>The clicked byte</translation>
    </message>
    <message>
        <source>%1 at offset %2</source>
        <translation>%1 at offset %2</translation>
    </message>
    <message>
        <source>%1 holds no pixel of the picture.</source>
        <translation>%1 holds no pixel of the picture.</translation>
    </message>
    <message>
        <source>%1 draws %2.</source>
        <translation>%1 draws %2.</translation>
    </message>
</context>
<context>
    <name>hexlume::FindingsBadge</name>
    <message>
        <source>The checker finds nothing wrong or worth noting in this file.</source>
        <translation>The checker finds nothing wrong or worth noting in this file.</translation>
    </message>
    <message>
        <source>

Click or press F8 for the list of findings.</source>
        <translation>

Click or press F8 for the list of findings.</translation>
    </message>
    <message>
        <source>

The dump does not show all of this file as it is; the list (click, or F8) says what it leaves out, apart from the findings.</source>
        <translation>

The dump does not show all of this file as it is; the list (click, or F8) says what it leaves out, apart from the findings.</translation>
    </message>
</context>
<context>
    <name>hexlume::FindingsWindow</name>
    <message>
        <source>&amp;Fix</source>
        <translation>&amp;Fix</translation>
    </message>
    <message>
        <source>Fix &amp;all</source>
        <translation>Fix &amp;all</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Findings</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Severity</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>In the dump</source>
        <translation>In the dump</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Repair</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Make the chosen finding&apos;s repair, as one edit to undo</source>
        <translation>Make the chosen finding&apos;s repair, as one edit to undo</translation>
    </message>
    <message>
        <source>Make every repair the file&apos;s own bytes leave one answer for, as one edit to undo</source>
        <translation>Make every repair the file&apos;s own bytes leave one answer for, as one edit to undo</translation>
    </message>
    <message>
        <source>Repairs that guess</source>
        <translation>Repairs that guess</translation>
    </message>
    <message>
        <source>Findings — %1</source>
        <translation>Findings — %1</translation>
    </message>
    <message>
        <source>The checker finds nothing wrong or worth noting in this file.</source>
        <translation>The checker finds nothing wrong or worth noting in this file.</translation>
    </message>
    <message>
        <source>Choose a finding to see its bytes in the dump.</source>
        <translation>Choose a finding to see its bytes in the dump.</translation>
    </message>
    <message>
        <source>What the dump cannot show as the file has it (limits of this window, not findings):</source>
        <translation>What the dump cannot show as the file has it (limits of this window, not findings):</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Fix</translation>
    </message>
</context>
<context>
    <name>hexlume::PictureView</name>
    <message>
        <source>No bitmap is open.</source>
        <translation>No bitmap is open.</translation>
    </message>
</context>
<context>
    <name>hexlume::PictureWindow</name>
    <message>
        <source>Picture</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Fit the picture to the window</source>
        <translation>Fit the picture to the window</translation>
    </message>
    <message>
        <source>1:1</source>
        <translation>1:1</translation>
    </message>
    <message>
        <source>One screen pixel a pixel</source>
        <translation>One screen pixel a pixel</translation>
    </message>
    <message>
        <source>−</source>
        <translation>−</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Zoom in, up to 64 times</source>
        <translation>Zoom in, up to 64 times</translation>
    </message>
    <message>
        <source>What to draw of each pixel: its colour, a channel&apos;s stored value as grey, or one bit of it, white where the bit is 1 ([ and ] step through them, { and } from channel to channel)</source>
        <translation>What to draw of each pixel: its colour, a channel&apos;s stored value as grey, or one bit of it, white where the bit is 1 ([ and ] step through them, { and } from channel to channel)</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>All rows</translation>
    </message>
    <message>
        <source>Picture — %1</source>
        <translation>Picture — %1</translation>
    </message>
    <message>
        <source>%1x%2</source>
        <translation>%1x%2</translation>
    </message>
    <message>
        <source>Rows past the picture: the file holds no whole rows of it beside the pixel data</source>
        <translation>Rows past the picture: the file holds no whole rows of it beside the pixel data</translation>
    </message>
    <message>
        <source>a row past the picture&apos;s height</source>
        <translation>a row past the picture&apos;s height</translation>
    </message>
    <message>
        <source>Point at a pixel to see its value; click it to light its bytes in the dump.</source>
        <translation>Point at a pixel to see its value; click it to light its bytes in the dump.</translation>
    </message>
    <message>
        <source>%1×</source>
        <translation>%1×</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message numerus="yes">
        <source>Show the %n whole row(s) stored past the picture, which its height leaves out: %1 at its top</source>
        <translation>
            <numerusform>Show the %n whole row stored past the picture, which its height leaves out: %1 at its top</numerusform>
            <numerusform>Show the %n whole rows stored past the picture, which its height leaves out: %1 at its top</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Show the %n whole row(s) stored past the picture, which its height leaves out: %1 at its bottom</source>
        <translation>
            <numerusform>Show the %n whole row stored past the picture, which its height leaves out: %1 at its bottom</numerusform>
            <numerusform>Show the %n whole rows stored past the picture, which its height leaves out: %1 at its bottom</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the top %n row(s) (lies|lie) past the picture&apos;s height</source>
        <translation>
            <numerusform>the top %n row lies past the picture&apos;s height</numerusform>
            <numerusform>the top %n rows lie past the picture&apos;s height</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the bottom %n row(s) (lies|lie) past the picture&apos;s height</source>
        <translation>
            <numerusform>the bottom %n row lies past the picture&apos;s height</numerusform>
            <numerusform>the bottom %n rows lie past the picture&apos;s height</numerusform>
        </translation>
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
        <translation>Findings: the dark badge beside the × and ? buttons counts what is wrong with the file. Click it or press F8 for the Findings window; F8 and Shift+F8 step to the next and previous finding, and choosing one lights its bytes in the dump.

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
hexlume-dump --help lists every option.</translation>
    </message>
    <message>
        <source>◂ Back</source>
        <translation>◂ Back</translation>
    </message>
    <message>
        <source>Keys and windows ▸</source>
        <translation>Keys and windows ▸</translation>
    </message>
</context>
<context>
    <name>hexlume::TMainForm</name>
    <message>
        <source>&amp;Picture...</source>
        <translation>&amp;Picture...</translation>
    </message>
    <message>
        <source>&amp;Fields...</source>
        <translation>&amp;Fields...</translation>
    </message>
    <message>
        <source>%1 has edits that are not saved. Save them as a new file before closing?</source>
        <translation>%1 has edits that are not saved. Save them as a new file before closing?</translation>
    </message>
    <message>
        <source>%1 has edits that are not saved. Save them as a new file before opening %2?</source>
        <translation>%1 has edits that are not saved. Save them as a new file before opening %2?</translation>
    </message>
    <message>
        <source>File gone: last version shown</source>
        <translation>File gone: last version shown</translation>
    </message>
    <message>
        <source>%1 is no longer there; the window shows it as it was.</source>
        <translation>%1 is no longer there; the window shows it as it was.</translation>
    </message>
    <message>
        <source>Unreadable now: last version shown</source>
        <translation>Unreadable now: last version shown</translation>
    </message>
    <message>
        <source>%1 changed on disk, and the edits here are not saved. Save them as a new file before it is read again?</source>
        <translation>%1 changed on disk, and the edits here are not saved. Save them as a new file before it is read again?</translation>
    </message>
    <message>
        <source>Reloaded: %1 changed</source>
        <translation>Reloaded: %1 changed</translation>
    </message>
    <message>
        <source>The file changed on disk and was read again; the bytes that differ are tinted in the dump until the next open.</source>
        <translation>The file changed on disk and was read again; the bytes that differ are tinted in the dump until the next open.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>Not a bitmap as edited: last good version shown</source>
        <translation>Not a bitmap as edited: last good version shown</translation>
    </message>
    <message>
        <source>Not enough memory to show the edits</source>
        <translation>Not enough memory to show the edits</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Saved as %1</translation>
    </message>
    <message>
        <source>Ctrl+Z takes the edits back, past the save too.</source>
        <translation>Ctrl+Z takes the edits back, past the save too.</translation>
    </message>
    <message>
        <source>&amp;Next image</source>
        <translation>&amp;Next image</translation>
    </message>
    <message>
        <source>&amp;Previous image</source>
        <translation>&amp;Previous image</translation>
    </message>
    <message>
        <source>&amp;Images</source>
        <translation>&amp;Images</translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s) edited, size %1</source>
        <translation>
            <numerusform>%n byte edited, size %1</numerusform>
            <numerusform>%n bytes edited, size %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s) edited</source>
        <translation>
            <numerusform>%n byte edited</numerusform>
            <numerusform>%n bytes edited</numerusform>
        </translation>
    </message>
    <message>
        <source>The bytes that differ from %1 as saved are tinted in the dump; Ctrl+Z takes the last edit back, Ctrl+Shift+S saves them as a new file.</source>
        <translation>The bytes that differ from %1 as saved are tinted in the dump; Ctrl+Z takes the last edit back, Ctrl+Shift+S saves them as a new file.</translation>
    </message>
    <message>
        <source>The bytes that differ from %1 as opened are tinted in the dump; Ctrl+Z takes the last edit back, Ctrl+Shift+S saves them as a new file.</source>
        <translation>The bytes that differ from %1 as opened are tinted in the dump; Ctrl+Z takes the last edit back, Ctrl+Shift+S saves them as a new file.</translation>
    </message>
</context>
<context>
    <name>hexlume::ValueEditor</name>
    <message>
        <source>Hex digits as shown, 0x and hex, or decimal with a sign or a trailing dot (64.); Enter writes, Escape cancels.</source>
        <translation>Hex digits as shown, 0x and hex, or decimal with a sign or a trailing dot (64.); Enter writes, Escape cancels.</translation>
    </message>
    <message>
        <source>A colour as #RRGGBB; Enter writes, Escape cancels.</source>
        <translation>A colour as #RRGGBB; Enter writes, Escape cancels.</translation>
    </message>
</context>
</TS>
