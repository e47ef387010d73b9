<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Decoder</name>
    <message>
        <source>the icon&apos;s PNG stream has no IHDR with a size</source>
        <translation>图标的 PNG 数据流没有给出尺寸的 IHDR</translation>
    </message>
    <message>
        <source>biSize %1 is not an info header size</source>
        <translation>biSize %1 不是信息头的大小</translation>
    </message>
    <message>
        <source>the file ends inside the %1 (%2 of %3)</source>
        <translation>文件在 %1 内结束（%2/%3）</translation>
    </message>
    <message>
        <source>biCompression %1 is not a compression</source>
        <translation>biCompression %1 不是一种压缩方式</translation>
    </message>
    <message>
        <source>biBitCount %1 is not a pixel format</source>
        <translation>biBitCount %1 不是一种像素格式</translation>
    </message>
    <message>
        <source>biBitCount %1 is not a pixel format with biCompression %2</source>
        <translation>biBitCount %1 在 biCompression %2 下不是一种像素格式</translation>
    </message>
    <message>
        <source>biWidth 0 leaves no pixels</source>
        <translation>biWidth 为 0，没有像素</translation>
    </message>
    <message>
        <source>biHeight 0 leaves no pixels</source>
        <translation>biHeight 为 0，没有像素</translation>
    </message>
    <message>
        <source>%1 x %2 pixels cannot be drawn</source>
        <translation>无法绘制 %1 x %2 像素</translation>
    </message>
    <message>
        <source>the region holds none of the picture&apos;s pixels</source>
        <translation>该区域不含图像的任何像素</translation>
    </message>
    <message>
        <source>the embedded %1 stream: %2</source>
        <translation>嵌入的 %1 数据流：%2</translation>
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
        <translation>图像数据Data段太长，程序不能完整显示。</translation>
    </message>
    <message>
        <source>是否使用文件完整导出？</source>
        <translation>是否使用文件完整导出？</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>文件导出失败！</source>
        <translation>文件导出失败！</translation>
    </message>
    <message>
        <source>文件导出到文件:%1</source>
        <translation>文件导出到文件:%1</translation>
    </message>
    <message>
        <source>file-header memo</source>
        <translation>文件头备注框</translation>
    </message>
    <message>
        <source>info-header memo</source>
        <translation>信息头备注框</translation>
    </message>
    <message>
        <source>palette memo</source>
        <translation>调色板备注框</translation>
    </message>
    <message>
        <source>pixel-data memo</source>
        <translation>像素数据备注框</translation>
    </message>
    <message>
        <source>The pixel-data memo starts %1 before %2 because those %1 are the %3.</source>
        <translation>像素数据备注框从 %2 之前 %1 处开始，因为这 %1 是%3。</translation>
    </message>
    <message>
        <source>The %1 shows %2, which are the %3 (%4 of its %5).</source>
        <translation>%1显示的%2是%3（共 %5 字节中的 %4）。</translation>
    </message>
    <message>
        <source>The %1 shows %2, which are the %3.</source>
        <translation>%1显示的%2是%3。</translation>
    </message>
    <message>
        <source>The info-header memo shows 40 of the %1&apos; %2 bytes; the %3 after them appear in no memo.</source>
        <translation>信息头备注框只显示%1 %2 字节中的 40 字节；其后的 %3 字节不在任何备注框中。</translation>
    </message>
    <message>
        <source>The info-header memo shows 40 of the %1&apos;s %2 bytes; the %3 after them appear in no memo.</source>
        <translation>信息头备注框只显示%1 %2 字节中的 40 字节；其后的 %3 字节不在任何备注框中。</translation>
    </message>
    <message>
        <source>The %1 (%2) appear in no memo.</source>
        <translation>%1（%2）不在任何备注框中。</translation>
    </message>
    <message>
        <source>The %1 (%2) appears in no memo.</source>
        <translation>%1（%2）不在任何备注框中。</translation>
    </message>
    <message>
        <source>%1 of the %2&apos; %3 appear in no memo, the first at offset %4.</source>
        <translation>%2的 %3中有 %1 字节不在任何备注框中，第一个位于偏移 %4。</translation>
    </message>
    <message>
        <source>%1 of the %2&apos;s %3 appear in no memo, the first at offset %4.</source>
        <translation>%2的 %3中有 %1 字节不在任何备注框中，第一个位于偏移 %4。</translation>
    </message>
    <message>
        <source>The palette memo reads 4-byte entries; this %1&apos; %2 colours are 3 bytes each (blue, green, red).</source>
        <translation>调色板备注框按 4 字节条目读取；而此 %1 的 %2 种颜色每种 3 字节（蓝、绿、红）。</translation>
    </message>
    <message>
        <source>The palette memo reads 4-byte entries; this %1&apos;s %2 colours are 3 bytes each (blue, green, red).</source>
        <translation>调色板备注框按 4 字节条目读取；而此 %1 的 %2 种颜色每种 3 字节（蓝、绿、红）。</translation>
    </message>
    <message>
        <source>The dump stops before line %1: the last %2 of the pixel data, from offset %3, are past the cut; go to an offset (Ctrl+G) or find (Ctrl+F) to show them.</source>
        <translation>十六进制转储在第 %1 行之前截止：像素数据从偏移 %3 起的最后 %2 在截断处之后；转到偏移（Ctrl+G）或查找（Ctrl+F）即可显示。</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>Its bytes start on dump line %1.</source>
        <translation>其字节从十六进制转储第 %1 行开始。</translation>
    </message>
    <message>
        <source>past the cut</source>
        <translation>在截断处之后</translation>
    </message>
    <message>
        <source>The dump is cut before these bytes: open the file again and answer Yes to export the whole pixel-data dump.</source>
        <translation>十六进制转储在这些字节之前被截断：重新打开文件并回答“是”，即可导出完整的像素数据转储。</translation>
    </message>
    <message>
        <source>in no memo</source>
        <translation>不在备注框中</translation>
    </message>
    <message>
        <source>No memo of the dump shows these bytes: they lie outside the four regions it reads.</source>
        <translation>十六进制转储的备注框都不显示这些字节：它们位于其读取的四个区域之外。</translation>
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
        <translation>请输入偏移：1086、0x43E，或相对点亮字节的 +16 / -16</translation>
    </message>
    <message>
        <source>not an offset: %1</source>
        <translation>不是偏移：%1</translation>
    </message>
    <message>
        <source>before the start of the file</source>
        <translation>在文件开头之前</translation>
    </message>
    <message>
        <source>past the end of the file (%1)</source>
        <translation>超出文件末尾（%1）</translation>
    </message>
    <message>
        <source>type the text to find</source>
        <translation>请输入要查找的文本</translation>
    </message>
    <message>
        <source>type the bytes to find: 42 4D, ?? for any byte</source>
        <translation>请输入要查找的字节：42 4D，?? 表示任意字节</translation>
    </message>
    <message>
        <source>not hex bytes: %1 (an odd number of digits; two make a byte)</source>
        <translation>不是十六进制字节：%1（位数为奇数；两位构成一个字节）</translation>
    </message>
    <message>
        <source>not hex bytes: %1 (two hex digits a byte, ?? for any byte)</source>
        <translation>不是十六进制字节：%1（每个字节两位十六进制数字，?? 表示任意字节）</translation>
    </message>
    <message>
        <source>%1 lies past the end of the file</source>
        <translation>%1 位于文件末尾之后</translation>
    </message>
    <message>
        <source>%1: the file has no such header</source>
        <translation>%1：文件没有这个头</translation>
    </message>
    <message>
        <source>%1: %2 are not one field of this file&apos;s %3; change them in the Fields window or in the dump</source>
        <translation>%1：%2 不是此文件 %3 的单个字段；请在字段窗口或十六进制转储中修改它们</translation>
    </message>
    <message>
        <source>%1: %2 are not one field of this file&apos;s headers; change them in the Fields window or in the dump</source>
        <translation>%1：%2 不是此文件头中的单个字段；请在字段窗口或十六进制转储中修改它们</translation>
    </message>
    <message>
        <source>The %1 is changed byte by byte in the dump</source>
        <translation>%1 需在十六进制转储中逐字节修改</translation>
    </message>
    <message>
        <source>type a size in bytes: 1086, or 0x43E</source>
        <translation>请输入以字节计的大小：1086 或 0x43E</translation>
    </message>
    <message>
        <source>a file of no bytes holds no bitmap: give at least 1 byte</source>
        <translation>没有字节的文件不含位图：请至少给 1 个字节</translation>
    </message>
    <message>
        <source>at most %1, the most a bitmap&apos;s size field says</source>
        <translation>最多 %1，即位图大小字段所能表示的最大值</translation>
    </message>
    <message>
        <source>cut off by the end of the file</source>
        <translation>被文件末尾截断</translation>
    </message>
    <message>
        <source>entry %1</source>
        <translation>条目 %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>cut off by the end of the file: the headers claim %1</source>
        <translation>被文件末尾截断：文件头声称 %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the bytes are too short for the bitmap headers (%1 of the %2 bytes they need)</source>
        <translation>这些字节太短，容不下位图的头（只有 %1 字节，需要 %2 字节）</translation>
    </message>
    <message>
        <source>the file is too short for the bitmap headers (%1 of the %2 bytes they need)</source>
        <translation>文件太短，容不下位图的头（只有 %1 字节，需要 %2 字节）</translation>
    </message>
    <message>
        <source>the bytes are an OS/2 bitmap array whose first entry holds no bitmap</source>
        <translation>这些字节是 OS/2 位图数组，其第一个条目不含位图</translation>
    </message>
    <message>
        <source>the file is an OS/2 bitmap array whose first entry holds no bitmap</source>
        <translation>文件是 OS/2 位图数组，其第一个条目不含位图</translation>
    </message>
    <message>
        <source>the bytes do not start with &quot;BM&quot;; they are not a bitmap</source>
        <translation>这些字节不以 &quot;BM&quot; 开头；不是位图</translation>
    </message>
    <message>
        <source>the file does not start with &quot;BM&quot;; it is not a bitmap</source>
        <translation>文件不以 &quot;BM&quot; 开头；不是位图</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>cannot open the file: %1</source>
        <translation>无法打开文件：%1</translation>
    </message>
    <message>
        <source>cannot find the size of the file: %1</source>
        <translation>无法获取文件大小：%1</translation>
    </message>
    <message>
        <source>cannot read the file header: %1</source>
        <translation>无法读取文件头：%1</translation>
    </message>
    <message>
        <source>the file is too large to hold in memory</source>
        <translation>文件太大，无法放入内存</translation>
    </message>
    <message>
        <source>not enough memory to hold the file (%1 bytes)</source>
        <translation>内存不足，无法容纳文件（%1 字节）</translation>
    </message>
    <message>
        <source>cannot read the file: %1</source>
        <translation>无法读取文件：%1</translation>
    </message>
    <message>
        <source>%1 (it shrank while being read)</source>
        <translation>%1（读取时文件变小了）</translation>
    </message>
    <message>
        <source>cannot create the file: %1</source>
        <translation>无法创建文件：%1</translation>
    </message>
    <message>
        <source>cannot write the file: %1</source>
        <translation>无法写入文件：%1</translation>
    </message>
    <message>
        <source>cannot finish writing the file: %1</source>
        <translation>无法完成文件写入：%1</translation>
    </message>
    <message>
        <source>that is the opened file, which is never written: choose another name</source>
        <translation>这是已打开的文件，它从不被写入：请另选一个名称</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>未给出文件名</translation>
    </message>
    <message>
        <source>a folder has that name</source>
        <translation>已有同名文件夹</translation>
    </message>
    <message>
        <source>cannot create a file in its folder: %1</source>
        <translation>无法在其文件夹中创建文件：%1</translation>
    </message>
    <message>
        <source>cannot give the file the permissions of the one it replaces: %1</source>
        <translation>无法给文件设置被替换文件的权限：%1</translation>
    </message>
    <message>
        <source>cannot flush the file to the disk: %1</source>
        <translation>无法将文件刷新到磁盘：%1</translation>
    </message>
    <message>
        <source>cannot put the file in place: %1</source>
        <translation>无法将文件放到位：%1</translation>
    </message>
</context>
<context>
    <name>Findings</name>
    <message>
        <source>%1 is %2; %3-bit pixels can use only %4, and readers take the first %4.</source>
        <translation>%1 为 %2；%3 位像素最多只能使用 %4 种颜色，读取程序取前 %4 种。</translation>
    </message>
    <message>
        <source>%1 is %2; %3-bit pixels can use only %4.</source>
        <translation>%1 为 %2；%3 位像素最多只能使用 %4 种颜色。</translation>
    </message>
    <message>
        <source>The colour table has %1 of the %2 entries %3-bit pixels can index.</source>
        <translation>颜色表只有 %3 位像素可索引的 %2 个条目中的 %1 个。</translation>
    </message>
    <message numerus="yes">
        <source>A %1-bit bitmap needs no colour table; this one has %n (entry|entries), a hint for displays with fewer colours.</source>
        <translation>
            <numerusform>%1 位位图不需要颜色表；此文件有 %n 个条目，供颜色较少的显示器参考。</numerusform>
        </translation>
    </message>
    <message>
        <source>The colour table takes %1 from offset %2; the file holds %3 of them.</source>
        <translation>颜色表从偏移 %2 起占 %1；文件只含其中 %3 字节。</translation>
    </message>
    <message numerus="yes">
        <source>%1 is %2, more than the %n (colour there is|colours there are).</source>
        <translation>
            <numerusform>%1 为 %2，超过了实有的 %n 种颜色。</numerusform>
        </translation>
    </message>
    <message>
        <source>The bit-field masks take %1 after the header; the file holds %2 of them.</source>
        <translation>位域掩码在信息头之后占 %1；文件只含其中 %2 字节。</translation>
    </message>
    <message>
        <source>red</source>
        <translation>红</translation>
    </message>
    <message>
        <source>green</source>
        <translation>绿</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>蓝</translation>
    </message>
    <message>
        <source>alpha</source>
        <translation>Alpha</translation>
    </message>
    <message>
        <source>The %1 mask %2 shares bits with the %3 mask %4.</source>
        <translation>%1通道掩码 %2 与%3通道掩码 %4 有重叠的位。</translation>
    </message>
    <message>
        <source>%1 is 0: the picture has no %2.</source>
        <translation>%1 为 0：图像没有%2通道。</translation>
    </message>
    <message>
        <source>%1 is %2, whose bits are not contiguous.</source>
        <translation>%1 为 %2，其中的位不连续。</translation>
    </message>
    <message>
        <source>%1 is %2, with bits above the %3 of a pixel.</source>
        <translation>%1 为 %2，有位超出了像素的 %3 位。</translation>
    </message>
    <message>
        <source>%1 is %2 pixels per metre, which no device has.</source>
        <translation>%1 为每米 %2 像素，没有设备有这样的密度。</translation>
    </message>
    <message>
        <source>The densities are %1 and %2 pixels per metre, hundreds of times apart.</source>
        <translation>两个密度分别为每米 %1 和 %2 像素，相差数百倍。</translation>
    </message>
    <message>
        <source>%1 is %2, which no colour-space type has; readers take sRGB.</source>
        <translation>%1 为 %2，不是任何颜色空间类型；读取程序按 sRGB 处理。</translation>
    </message>
    <message>
        <source>An embedded ICC profile (%1) lies at offset %2: &quot;%3&quot;.</source>
        <translation>偏移 %2 处有一个嵌入的 ICC 颜色配置文件（%1）：&quot;%3&quot;。</translation>
    </message>
    <message>
        <source>An embedded ICC profile (%1) lies at offset %2.</source>
        <translation>偏移 %2 处有一个嵌入的 ICC 颜色配置文件（%1）。</translation>
    </message>
    <message>
        <source>A linked profile&apos;s file name (%1) lies at offset %2: &quot;%3&quot;.</source>
        <translation>偏移 %2 处有一个链接的颜色配置文件的文件名（%1）：&quot;%3&quot;。</translation>
    </message>
    <message>
        <source>A linked profile&apos;s file name (%1) lies at offset %2.</source>
        <translation>偏移 %2 处有一个链接的颜色配置文件的文件名（%1）。</translation>
    </message>
    <message>
        <source>The profile takes %1; the file has %2.</source>
        <translation>颜色配置文件占 %1；文件只有 %2。</translation>
    </message>
    <message>
        <source>The profile at offset %1 starts inside the headers or the colour table, which end at %2.</source>
        <translation>偏移 %1 处的颜色配置文件从头部或颜色表内部开始，它们结束于 %2。</translation>
    </message>
    <message>
        <source>The linked profile&apos;s file name has no NUL within its %1 (%2); a reader may run past it.</source>
        <translation>链接的颜色配置文件的文件名在其 %1（%2）内没有 NUL；读取程序可能会越过它继续读。</translation>
    </message>
    <message>
        <source>The profile takes %1, over the pixel data at %2.</source>
        <translation>颜色配置文件占 %1，与位于 %2 的像素数据重叠。</translation>
    </message>
    <message>
        <source>The embedded profile is %1 long, too short for an ICC profile&apos;s 128-byte header and tag count.</source>
        <translation>嵌入的颜色配置文件只有 %1，装不下 ICC 配置文件 128 字节的头部和标签数。</translation>
    </message>
    <message>
        <source>The embedded profile holds %1 at its bytes 36 to 39, not the &apos;acsp&apos; of an ICC profile.</source>
        <translation>嵌入的颜色配置文件在其字节 36 到 39 处为 %1，而不是 ICC 配置文件的 &apos;acsp&apos;。</translation>
    </message>
    <message>
        <source>The profile&apos;s header gives its size as %1; %2 gives %3.</source>
        <translation>颜色配置文件的头部给出的大小为 %1；%2 给出的是 %3。</translation>
    </message>
    <message numerus="yes">
        <source>The tag table of %n tag(s) takes profile %1; the profile has %2.</source>
        <translation>
            <numerusform>含 %n 个标签的标签表占配置文件的 %1；配置文件只有 %2。</numerusform>
        </translation>
    </message>
    <message>
        <source>Tag %1 (%2) takes profile %3; the profile has %4.</source>
        <translation>标签 %1（%2）占配置文件的 %3；配置文件只有 %4。</translation>
    </message>
    <message numerus="yes">
        <source>Tag %1 (%2) takes profile %3; the profile has %4, and %n more (tag runs|tags run) past it.</source>
        <translation>
            <numerusform>标签 %1（%2）占配置文件的 %3；配置文件只有 %4，另有 %n 个标签也超出了它。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 uses colour index %2; the colour table has %3.</source>
        <translation>%1 使用颜色索引 %2；颜色表只有 %3。</translation>
    </message>
    <message numerus="yes">
        <source>%1 uses colour index %2; the colour table has %3, and %n more (row does|rows do) the same.</source>
        <translation>
            <numerusform>%1 使用颜色索引 %2；颜色表只有 %3，另有 %n 行也是如此。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n (entry|entries)</source>
        <translation>
            <numerusform>%n 个条目</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 says %2 from offset %3, past the end of the file, which has %4.</source>
        <translation>%1 为从偏移 %3 起的 %2，超出了文件末尾（文件只有 %4 字节）。</translation>
    </message>
    <message>
        <source>The file has %1, fewer than the 14 of a file header.</source>
        <translation>文件只有 %1，不足文件头的 14 字节。</translation>
    </message>
    <message>
        <source>%1 is %2, not &quot;BM&quot; (an OS/2 bitmap array, not a bitmap).</source>
        <translation>%1 为 %2，不是 &quot;BM&quot;（这是 OS/2 位图数组，不是位图）。</translation>
    </message>
    <message>
        <source>%1 is %2, not &quot;BM&quot;.</source>
        <translation>%1 为 %2，不是 &quot;BM&quot;。</translation>
    </message>
    <message>
        <source>The file ends after %1, before the info header&apos;s size field.</source>
        <translation>文件在 %1 之后结束，早于信息头的大小字段。</translation>
    </message>
    <message>
        <source>%1 is %2, which no header version has (12, 16 to 64, 40, 52, 56, 108 or 124).</source>
        <translation>%1 为 %2，没有哪个信息头版本是这个大小（12、16 到 64、40、52、56、108 或 124）。</translation>
    </message>
    <message>
        <source>%1 is %2, which ends inside a field of the OS/2 2.x header.</source>
        <translation>%1 为 %2，结束在 OS/2 2.x 信息头的某个字段中间。</translation>
    </message>
    <message>
        <source>The %1 takes %2; the file ends after %3 of it.</source>
        <translation>%1 占 %2；文件在其中 %3 之后就结束了。</translation>
    </message>
    <message>
        <source>%1 is %2, the size of the two headers, as some OS/2 writers store it; the file has %3.</source>
        <translation>%1 为 %2，即两个头的大小，某些 OS/2 写入程序这样存储；文件实有 %3。</translation>
    </message>
    <message>
        <source>%1 says %2, past the end of the file, which has %3.</source>
        <translation>%1 为 %2，超出了文件末尾（文件只有 %3 字节）。</translation>
    </message>
    <message>
        <source>%1 says %2; the file has %3.</source>
        <translation>%1 为 %2；文件实有 %3 字节。</translation>
    </message>
    <message>
        <source>%1 is %2: a hot spot, which means something for OS/2 icons and pointers only.</source>
        <translation>%1 为 %2：这是热点，只对 OS/2 图标和指针有意义。</translation>
    </message>
    <message>
        <source>%1 is %2; it must be 0.</source>
        <translation>%1 为 %2；它必须为 0。</translation>
    </message>
    <message>
        <source>The info header is the OS/2 1.x %1 of %2, with 16-bit sizes and 3-byte colour entries.</source>
        <translation>信息头是 %2 的 OS/2 1.x %1，尺寸为 16 位，颜色条目为 3 字节。</translation>
    </message>
    <message>
        <source>The info header is the %1 of %2, read with OS/2&apos;s compression codes.</source>
        <translation>信息头是 %2 的 %1，按 OS/2 的压缩代码读取。</translation>
    </message>
    <message>
        <source>%1 is %2; it must be 1.</source>
        <translation>%1 为 %2；它必须为 1。</translation>
    </message>
    <message>
        <source>%1 is %2: %3</source>
        <translation>%1 为 %2：%3</translation>
    </message>
    <message>
        <source>%1 is %2, which OS/2 bitmaps do not have.</source>
        <translation>%1 为 %2，OS/2 位图没有这种位数。</translation>
    </message>
    <message>
        <source>%1 is 0, which only JPEG or PNG pixel data may have.</source>
        <translation>%1 为 0，只有 JPEG 或 PNG 像素数据才可以这样。</translation>
    </message>
    <message>
        <source>%1 is %2, a bit count no bitmap variant defines.</source>
        <translation>%1 为 %2，没有哪种位图变体定义这个位数。</translation>
    </message>
    <message>
        <source>%1 is %2, which OS/2 bitmaps do not define.</source>
        <translation>%1 为 %2，OS/2 位图没有定义这个值。</translation>
    </message>
    <message>
        <source>%1 is %2, which no bitmap variant defines.</source>
        <translation>%1 为 %2，没有哪种位图变体定义这个值。</translation>
    </message>
    <message>
        <source>%1 bits per pixel; %2 is %3.</source>
        <translation>%1 位/像素；%2 为 %3。</translation>
    </message>
    <message>
        <source>%1 is %2; a bitmap is at least 1 pixel wide.</source>
        <translation>%1 为 %2；位图至少宽 1 像素。</translation>
    </message>
    <message>
        <source>%1 is 0; a bitmap has at least 1 row.</source>
        <translation>%1 为 0；位图至少有 1 行。</translation>
    </message>
    <message>
        <source>%1 is %2, more rows than a file can hold; OS/2 bitmaps have no top-down form.</source>
        <translation>%1 为 %2，行数超出文件所能容纳；OS/2 位图没有自上而下的形式。</translation>
    </message>
    <message>
        <source>%1 is %2 (top-down), which only uncompressed bitmaps may be.</source>
        <translation>%1 为 %2（自上而下），只有未压缩的位图才可以这样。</translation>
    </message>
    <message>
        <source>The rows take more bytes than the 4 GiB a bitmap&apos;s 32-bit sizes can hold (%1 by %2 at %3).</source>
        <translation>各行所占字节超过位图的 32 位大小所能表示的 4 GiB（%1 x %2，每像素 %3）。</translation>
    </message>
    <message numerus="yes">
        <source>%n bit(s)</source>
        <translation>
            <numerusform>%n 位</numerusform>
        </translation>
    </message>
    <message>
        <source>The pixel data takes %1 from offset %2; the file holds %3 of them.</source>
        <translation>像素数据从偏移 %2 起占 %1；文件只含其中 %3 字节。</translation>
    </message>
    <message numerus="yes">
        <source>%n of the %1 rows (has|have) padding that is not zero, the first at offset %2: no reader shows it, so it can hide data.</source>
        <translation>
            <numerusform>%1 行中有 %n 行的填充不为零，第一处在偏移 %2：没有读取程序会显示它，因此可能藏有数据。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n (pixel sets|pixels set) bits outside the channel masks (%1), the first at offset %2; readers ignore them.</source>
        <translation>
            <numerusform>%n 个像素设置了通道掩码（%1）之外的位，第一处在偏移 %2；读取程序会忽略这些位。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is 0: the size follows from the rows, %2.</source>
        <translation>%1 为 0：大小按行计算，为 %2。</translation>
    </message>
    <message>
        <source>%1 is 0: the stream is taken to run to the end of the file.</source>
        <translation>%1 为 0：数据流视为一直延续到文件末尾。</translation>
    </message>
    <message>
        <source>%1 says %2; the rows take %3.</source>
        <translation>%1 为 %2；各行实际占 %3 字节。</translation>
    </message>
    <message>
        <source>%1 is %2, inside the %3, which ends at %4.</source>
        <translation>%1 为 %2，位于%3之内，该部分结束于 %4。</translation>
    </message>
    <message>
        <source>%1 is %2; the file has only %3.</source>
        <translation>%1 为 %2；文件只有 %3。</translation>
    </message>
    <message>
        <source>bitmap array&apos;s entries before this bitmap</source>
        <translation>位图数组中此位图之前的条目</translation>
    </message>
    <message>
        <source>file header</source>
        <translation>文件头</translation>
    </message>
    <message>
        <source>info header</source>
        <translation>信息头</translation>
    </message>
    <message>
        <source>bit-field masks</source>
        <translation>位域掩码</translation>
    </message>
    <message>
        <source>colour table</source>
        <translation>颜色表</translation>
    </message>
    <message>
        <source>The pixel data at offset %1 does not start as a %2 stream does.</source>
        <translation>偏移 %1 处的像素数据开头不像 %2 数据流。</translation>
    </message>
    <message>
        <source>The pixel data is a whole %1 stream of %2, a form meant for printers that few readers decode.</source>
        <translation>像素数据是一整个 %1 数据流，共 %2；这种形式面向打印机，很少有读取程序能解码。</translation>
    </message>
    <message>
        <source>The stream leaves pixels unwritten (a delta or an early end code at offset %1); readers show them in colour 0 or transparent.</source>
        <translation>数据流留下了未写入的像素（偏移 %1 处的位移或提前的结束码）；读取程序将其显示为颜色 0 或透明。</translation>
    </message>
    <message>
        <source>%1 says %2; the %3 stream takes %4 from offset %5 to its end-of-bitmap code.</source>
        <translation>%1 为 %2；%3 数据流从偏移 %5 到其位图结束码实际占 %4 字节。</translation>
    </message>
    <message>
        <source>%1 says %2; the %3 stream takes %4 from offset %5 to the end of the file.</source>
        <translation>%1 为 %2；%3 数据流从偏移 %5 到文件末尾实际占 %4 字节。</translation>
    </message>
    <message>
        <source>%1 says %2; the %3 stream takes %4 from offset %5 to its last row.</source>
        <translation>%1 为 %2；%3 数据流从偏移 %5 到其最后一行实际占 %4 字节。</translation>
    </message>
    <message numerus="yes">
        <source>%1, and %n more row(s) (does|do) the same.</source>
        <translation>
            <numerusform>%1，另有 %n 行也是如此。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, and %n more code(s) (does|do) the same.</source>
        <translation>
            <numerusform>%1，另有 %n 个码也是如此。</numerusform>
        </translation>
    </message>
    <message>
        <source>The file ends at offset %1 inside the RLE code at offset %2, at %3, before the end-of-bitmap code.</source>
        <translation>文件在偏移 %1 处结束，位于偏移 %2 的 RLE 码内部、%3 处，早于位图结束码。</translation>
    </message>
    <message>
        <source>The RLE stream runs to the end of the file at offset %1 without an end-of-bitmap code, at %2.</source>
        <translation>RLE 数据流一直到偏移 %1 的文件末尾都没有位图结束码，停在 %2。</translation>
    </message>
    <message>
        <source>%1 (%2) belong to no part of the bitmap: a gap before the pixel data.</source>
        <translation>%1（%2）不属于位图的任何部分：是像素数据之前的间隙。</translation>
    </message>
    <message>
        <source>%1 (%2) belong to no part of the bitmap.</source>
        <translation>%1（%2）不属于位图的任何部分。</translation>
    </message>
    <message>
        <source>%1 (%2) follow the bitmap&apos;s last part.</source>
        <translation>%1（%2）位于位图最后一部分之后。</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2) before the pixel data are exactly %n more row(s) of %3: the picture may have been %4x%5, with (this row|these rows) at its top.</source>
        <translation>
            <numerusform>像素数据之前的%1（%2）恰好是另外 %n 行、每行 %3：图像原本可能是 %4x%5，这些行位于其顶部。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2) before the pixel data are exactly %n more row(s) of %3: the picture may have been %4x%5, with (this row|these rows) at its bottom.</source>
        <translation>
            <numerusform>像素数据之前的%1（%2）恰好是另外 %n 行、每行 %3：图像原本可能是 %4x%5，这些行位于其底部。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2) after the pixel data are exactly %n more row(s) of %3: the picture may have been %4x%5, with (this row|these rows) at its top.</source>
        <translation>
            <numerusform>像素数据之后的%1（%2）恰好是另外 %n 行、每行 %3：图像原本可能是 %4x%5，这些行位于其顶部。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2) after the pixel data are exactly %n more row(s) of %3: the picture may have been %4x%5, with (this row|these rows) at its bottom.</source>
        <translation>
            <numerusform>像素数据之后的%1（%2）恰好是另外 %n 行、每行 %3：图像原本可能是 %4x%5，这些行位于其底部。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(It is|They are all) zero.</source>
        <translation>
            <numerusform>全部为零。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(It is not|They are not all) zero.</source>
        <translation>
            <numerusform>并非全部为零。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 at offset %2</source>
        <translation>偏移 %2 处的%1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1和%2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more file signature(s)</source>
        <translation>
            <numerusform>%1，另有 %n 个文件签名</numerusform>
        </translation>
    </message>
    <message>
        <source>They hold %1.</source>
        <translation>其中有%1。</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1。</translation>
    </message>
    <message>
        <source>%1 of the entry at offset %2 is %3, not past the entry: the chain would loop.</source>
        <translation>偏移 %2 处条目的 %1 为 %3，没有越过该条目：链会形成循环。</translation>
    </message>
    <message>
        <source>%1 of the entry at offset %2 is %3, inside the entry&apos;s own headers.</source>
        <translation>偏移 %2 处条目的 %1 为 %3，位于该条目自身的头部之内。</translation>
    </message>
    <message>
        <source>%1 of the entry at offset %2 is %3; the file has only %4.</source>
        <translation>偏移 %2 处条目的 %1 为 %3；文件只有 %4。</translation>
    </message>
    <message>
        <source>%1 of the entry at offset %2 is %3, where no array entry starts (no &quot;BA&quot;).</source>
        <translation>偏移 %2 处条目的 %1 为 %3，该处不是数组条目的开头（没有 &quot;BA&quot;）。</translation>
    </message>
    <message>
        <source>%1 of the entry at offset %2 is %3.</source>
        <translation>偏移 %2 处条目的 %1 为 %3。</translation>
    </message>
    <message numerus="yes">
        <source>The file is an OS/2 bitmap array of %n bitmap(s); each is checked at its own offset.</source>
        <translation>
            <numerusform>文件是包含 %n 个位图的 OS/2 位图数组；每个位图都在其自身的偏移处检查。</numerusform>
        </translation>
    </message>
    <message>
        <source>The file ends at offset %1, inside the headers of the array entry at offset %2.</source>
        <translation>文件在偏移 %1 处结束，位于偏移 %2 处数组条目的头部之内。</translation>
    </message>
    <message>
        <source>Image %1 of %2 (offset %3): %4</source>
        <translation>图像 %1/%2（偏移 %3）：%4</translation>
    </message>
    <message>
        <source>error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>note</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>The file starts with a %1: a DIB without a file header, as the clipboard holds one; its pixels follow the colour table.</source>
        <translation>文件以 %1 开头：这是没有文件头的 DIB，剪贴板中就是这样存放的；其像素紧随颜色表之后。</translation>
    </message>
    <message>
        <source>Bitmap %1 of %2 (offset %3): %4</source>
        <translation>位图 %1/%2（偏移 %3）：%4</translation>
    </message>
    <message>
        <source>offset %1</source>
        <translation>偏移 %1</translation>
    </message>
    <message>
        <source>offset %1 (bit %2 from the high end)</source>
        <translation>偏移 %1（从高位起第 %2 位）</translation>
    </message>
    <message>
        <source>A black run of %1 at %2 starts at %3 and goes past the row&apos;s %4</source>
        <translation>%2 处长 %1 的黑色游程从 %3 开始，超出了该行的 %4</translation>
    </message>
    <message>
        <source>A white run of %1 at %2 starts at %3 and goes past the row&apos;s %4</source>
        <translation>%2 处长 %1 的白色游程从 %3 开始，超出了该行的 %4</translation>
    </message>
    <message>
        <source>An end-of-line code at %1 ends the row at %2, short of its %3</source>
        <translation>%1 处的行尾码在 %2 结束了该行，不足其 %3</translation>
    </message>
    <message>
        <source>The bits at %1 are no code of a black run, at %2; the rest of the row is lost up to the next end-of-line code</source>
        <translation>%1 处的位不是黑色游程的码，位于 %2；该行其余部分直到下一个行尾码都会丢失</translation>
    </message>
    <message>
        <source>The bits at %1 are no code of a white run, at %2; the rest of the row is lost up to the next end-of-line code</source>
        <translation>%1 处的位不是白色游程的码，位于 %2；该行其余部分直到下一个行尾码都会丢失</translation>
    </message>
    <message>
        <source>%1 starts a row at %2 with no end-of-line code before it</source>
        <translation>%1 在 %2 开始新的一行，但之前没有行尾码</translation>
    </message>
    <message>
        <source>The Huffman stream runs to the end of the file at offset %1 with %2 of its %3 read, stopping at %4</source>
        <translation>Huffman 数据流一直到偏移 %1 的文件末尾，只读出其 %3 中的 %2，停在 %4</translation>
    </message>
    <message>
        <source>A run of %1 at offset %2 starts at %3 and goes past the row&apos;s %4</source>
        <translation>偏移 %2 处长 %1 的游程从 %3 开始，超出了该行的 %4</translation>
    </message>
    <message>
        <source>An absolute run of %1 at offset %2 starts at %3 and goes past the row&apos;s %4</source>
        <translation>偏移 %2 处长 %1 的绝对游程从 %3 开始，超出了该行的 %4</translation>
    </message>
    <message>
        <source>The stream goes on past the last of its %1: the code at offset %2 is at %3</source>
        <translation>数据流越过了其 %1 的最后一行仍在继续：偏移 %2 处的码位于 %3</translation>
    </message>
    <message>
        <source>A delta of %1 and %2 at offset %3 from %4 moves out of the %5 by %6 picture</source>
        <translation>偏移 %3 处从 %4 起 %1、%2 的位移移出了 %5 x %6 的图像</translation>
    </message>
</context>
<context>
    <name>HexDumpView</name>
    <message>
        <source>Window of the data: lines %1–%2 of %3</source>
        <translation>数据窗口：第 %1–%2 行，共 %3 行</translation>
    </message>
    <message>
        <source>The dump is cut at %1 pixels; its pixel-data memo shows these lines of the data instead of its first ones. Ctrl+Home goes back to the top.</source>
        <translation>十六进制转储在 %1 像素处截断；像素数据备注框显示的是数据的这几行，而不是开头几行。Ctrl+Home 回到顶部。</translation>
    </message>
</context>
<context>
    <name>Icons</name>
    <message numerus="yes">
        <source>The file is a cursor of %n image(s); each is checked at its own offset.</source>
        <translation>
            <numerusform>文件是包含 %n 个图像的光标；每个图像都在其自身的偏移处检查。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file is an icon of %n image(s); each is checked at its own offset.</source>
        <translation>
            <numerusform>文件是包含 %n 个图像的图标；每个图像都在其自身的偏移处检查。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is %2; it must be 0.</source>
        <translation>%1 为 %2；它必须为 0。</translation>
    </message>
    <message>
        <source>%1 is %2; an icon has 1, a cursor 2.</source>
        <translation>%1 为 %2；图标应为 1，光标应为 2。</translation>
    </message>
    <message>
        <source>%1 is 0: the directory holds no image.</source>
        <translation>%1 为 0：目录中没有图像。</translation>
    </message>
    <message numerus="yes">
        <source>%1 says %n (entry|entries), which end at offset %2; the file has only %3.</source>
        <translation>
            <numerusform>%1 为 %n 个条目，它们结束于偏移 %2；文件只有 %3。</numerusform>
        </translation>
    </message>
    <message>
        <source>Entry %1&apos;s %2 is %3, inside the directory, which ends at offset %4.</source>
        <translation>条目 %1 的 %2 为 %3，位于目录之内，目录结束于偏移 %4。</translation>
    </message>
    <message>
        <source>Entry %1&apos;s image (%2 from offset %3) runs past the end of the file, which has %4.</source>
        <translation>条目 %1 的图像（从偏移 %3 起 %2）超出了文件末尾（文件只有 %4 字节）。</translation>
    </message>
    <message>
        <source>Entry %1&apos;s image (%2) overlaps entry %3&apos;s (%4).</source>
        <translation>条目 %1 的图像（%2）与条目 %3 的图像（%4）重叠。</translation>
    </message>
    <message>
        <source>Entry %1&apos;s %2 is %3; it must be 0.</source>
        <translation>条目 %1 的 %2 为 %3；它必须为 0。</translation>
    </message>
    <message>
        <source>Entry %1&apos;s image starts with the PNG signature but has no IHDR chunk after it.</source>
        <translation>条目 %1 的图像以 PNG 签名开头，但其后没有 IHDR 块。</translation>
    </message>
    <message>
        <source>Entry %1&apos;s image has %2 %3, the entry&apos;s height; an icon image&apos;s counts the AND mask too, so it is %4.</source>
        <translation>条目 %1 的图像的 %2 为 %3，等于条目的高度；图标图像的高度还要算上 AND 掩码，因此应为 %4。</translation>
    </message>
    <message>
        <source>Entry %1 says %2 by %3 pixels; its PNG stream&apos;s IHDR says %4 by %5.</source>
        <translation>条目 %1 为 %2 x %3 像素；其 PNG 数据流的 IHDR 为 %4 x %5。</translation>
    </message>
    <message>
        <source>Entry %1 says %2 by %3 pixels; its image is %4 by %5.</source>
        <translation>条目 %1 为 %2 x %3 像素；其图像为 %4 x %5。</translation>
    </message>
    <message numerus="yes">
        <source>Entry %1&apos;s %2 is %3; its image has %n bit(s) per pixel.</source>
        <translation>
            <numerusform>条目 %1 的 %2 为 %3；其图像每像素 %n 位。</numerusform>
        </translation>
    </message>
    <message>
        <source>Entry %1&apos;s hot spot (%2, %3) lies outside its %4 by %5 image.</source>
        <translation>条目 %1 的热点 (%2, %3) 位于其 %4 x %5 的图像之外。</translation>
    </message>
    <message>
        <source>Entry %1&apos;s AND mask takes %2 from offset %3; the entry&apos;s %4 ends after %5 of them.</source>
        <translation>条目 %1 的 AND 掩码从偏移 %3 起占 %2；条目的 %4 在其中 %5 字节之后就结束了。</translation>
    </message>
    <message>
        <source>Entry %1&apos;s AND mask takes %2 from offset %3; the file ends after %4 of them.</source>
        <translation>条目 %1 的 AND 掩码从偏移 %3 起占 %2；文件在其中 %4 字节之后就结束了。</translation>
    </message>
    <message>
        <source>Entry %1&apos;s %2 is %3; its image takes %4 (the PNG stream up to its IEND chunk).</source>
        <translation>条目 %1 的 %2 为 %3；其图像实际占 %4（PNG 数据流直到其 IEND 块）。</translation>
    </message>
    <message>
        <source>Entry %1&apos;s %2 is %3; its image takes %4.</source>
        <translation>条目 %1 的 %2 为 %3；其图像实际占 %4。</translation>
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
            <numerusform>%n 个错误</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n 个警告</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n note(s)</source>
        <translation>
            <numerusform>%n 个提示</numerusform>
        </translation>
    </message>
    <message>
        <source>No findings</source>
        <translation>没有检查结果</translation>
    </message>
    <message>
        <source>file header</source>
        <translation>文件头</translation>
    </message>
    <message>
        <source>info header</source>
        <translation>信息头</translation>
    </message>
    <message>
        <source>palette</source>
        <translation>调色板</translation>
    </message>
    <message>
        <source>pixel data</source>
        <translation>像素数据</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1和%2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>%1 = %2 (%3)</source>
        <translation>%1 = %2 (%3)</translation>
    </message>
    <message>
        <source>%1: cut off by the end of the file</source>
        <translation>%1：被文件结尾截断</translation>
    </message>
    <message>
        <source>%1, %2 (%3, bytes %4–%5; byte %6 of %7)</source>
        <translation>%1，%2（%3，字节 %4–%5；第 %6 字节，共 %7 字节）</translation>
    </message>
    <message>
        <source>%1, %2 (%3, bytes %4–%5)</source>
        <translation>%1，%2（%3，字节 %4–%5）</translation>
    </message>
    <message>
        <source>Offset %1 (%2)</source>
        <translation>偏移 %1 (%2)</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>entry %1 (%2)</source>
        <translation>条目 %1（%2）</translation>
    </message>
    <message>
        <source>colour %1 (alpha 0: drawn opaque when every pixel&apos;s alpha is 0)</source>
        <translation>颜色 %1（Alpha 为 0：所有像素的 Alpha 都为 0 时按不透明绘制）</translation>
    </message>
    <message>
        <source>colour %1</source>
        <translation>颜色 %1</translation>
    </message>
    <message numerus="yes">
        <source>past the table&apos;s %n (entry|entries)</source>
        <translation>
            <numerusform>超出颜色表的 %n 个条目</numerusform>
        </translation>
    </message>
    <message>
        <source>its entry lies past the end of the file</source>
        <translation>其条目位于文件结尾之后</translation>
    </message>
    <message>
        <source>cut off by the end of the file</source>
        <translation>被文件结尾截断</translation>
    </message>
    <message>
        <source>index %1, %2</source>
        <translation>索引 %1，%2</translation>
    </message>
    <message>
        <source>feeds no channel (bits outside the masks)</source>
        <translation>不属于任何通道（位于掩码之外的位）</translation>
    </message>
    <message>
        <source>feeds %1</source>
        <translation>属于%1通道</translation>
    </message>
    <message>
        <source>byte %1 of %2, %3; %4</source>
        <translation>第 %1 字节，共 %2 字节，%3；%4</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1：</translation>
    </message>
    <message>
        <source>draws nothing: it starts at %1</source>
        <translation>不绘制任何像素：它从%1开始</translation>
    </message>
    <message>
        <source>draws nothing: it starts past the row&apos;s end</source>
        <translation>不绘制任何像素：它从行尾之后开始</translation>
    </message>
    <message>
        <source>draws %1, and %2 more past the row&apos;s end</source>
        <translation>绘制%1，另有 %2 个超出行尾</translation>
    </message>
    <message>
        <source>draws %1</source>
        <translation>绘制%1</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1；%2</translation>
    </message>
    <message numerus="yes">
        <source>a run of %n pixel(s) of %1, alternating with %2</source>
        <translation>
            <numerusform>%n 个像素的游程，%1，与 %2 交替</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>a run of %n pixel(s) of %1</source>
        <translation>
            <numerusform>%n 个像素的游程，%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>a literal of %n pixel(s)</source>
        <translation>
            <numerusform>%n 个像素的绝对游程</numerusform>
        </translation>
    </message>
    <message>
        <source>cut short by the end of the file</source>
        <translation>被文件结尾截断</translation>
    </message>
    <message numerus="yes">
        <source>cut short by the end of the file after %n whole pixel(s)</source>
        <translation>
            <numerusform>在 %n 个完整像素之后被文件结尾截断</numerusform>
        </translation>
    </message>
    <message>
        <source>end of line at %1</source>
        <translation>行尾码，位于%1</translation>
    </message>
    <message>
        <source>end of line</source>
        <translation>行尾码</translation>
    </message>
    <message>
        <source>end of line; leaves %1 unwritten</source>
        <translation>行尾码；%1 未写入</translation>
    </message>
    <message>
        <source>a delta of %1 and %2; moves from %3 to %4</source>
        <translation>位移 %1、%2；从%3移到%4</translation>
    </message>
    <message numerus="yes">
        <source>%n column(s)</source>
        <translation>
            <numerusform>%n 列</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, out of the %2 by %3 picture</source>
        <translation>%1，超出 %2×%3 的图像</translation>
    </message>
    <message>
        <source>end of bitmap; the pixels not yet written stay unwritten</source>
        <translation>位图结束码；尚未写入的像素保持未写入</translation>
    </message>
    <message>
        <source>end of bitmap</source>
        <translation>位图结束码</translation>
    </message>
    <message>
        <source>%1 code at offset %2 (%3): %4</source>
        <translation>%1 代码，位于偏移 %2（%3）：%4</translation>
    </message>
    <message>
        <source>%1 (not drawn)</source>
        <translation>%1（未绘制）</translation>
    </message>
    <message>
        <source>this byte pads the literal to 16 bits</source>
        <translation>此字节将绝对游程填充到 16 位</translation>
    </message>
    <message>
        <source>%1, %2: this byte is %3</source>
        <translation>%1，%2：此字节为%3</translation>
    </message>
    <message>
        <source>%1, row %2 as shown (stored row %3): padding to the row&apos;s 32-bit end</source>
        <translation>%1，显示的第 %2 行（存储行 %3）：填充到行的 32 位边界</translation>
    </message>
    <message>
        <source>%1: byte %2 of %3</source>
        <translation>%1：第 %2 字节，共 %3 字节</translation>
    </message>
    <message>
        <source>The dump shows this byte as %1; it is really part of the %2.</source>
        <translation>十六进制转储将此字节显示为%1；它实际属于%2。</translation>
    </message>
    <message>
        <source>The dump shows %1 here, the value the window derives; the file holds %2.</source>
        <translation>十六进制转储在此显示 %1，这是窗口推算的值；文件中为 %2。</translation>
    </message>
    <message>
        <source>The dump groups the colour table in 4-byte entries; this file&apos;s entries are 3 bytes long.</source>
        <translation>十六进制转储按 4 字节条目划分颜色表；此文件的条目为 3 字节。</translation>
    </message>
    <message>
        <source>Past the end of the file.</source>
        <translation>位于文件结尾之后。</translation>
    </message>
    <message>
        <source>The table shows %1 (%2) here, the value the window derives; the file holds %3.</source>
        <translation>表格在此显示 %1 (%2)，这是窗口推算的值；文件中为 %3。</translation>
    </message>
    <message>
        <source>%1, %2.</source>
        <translation>%1，%2。</translation>
    </message>
    <message>
        <source>%1, %2. The table reads 40 bytes; the header&apos;s own fields are:</source>
        <translation>%1，%2。表格读取 40 字节；该信息头自身的字段为：</translation>
    </message>
    <message>
        <source>%1, %2. Past the 40 bytes the table and the dump show:</source>
        <translation>%1，%2。表格和十六进制转储显示的 40 字节之后：</translation>
    </message>
    <message>
        <source>%1 %2 at %3:
%4</source>
        <translation>%1 %2，位于 %3：
%4</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>unknown header</source>
        <translation>未知信息头</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>蓝</translation>
    </message>
    <message>
        <source>green</source>
        <translation>绿</translation>
    </message>
    <message>
        <source>red</source>
        <translation>红</translation>
    </message>
    <message>
        <source>reserved</source>
        <translation>保留</translation>
    </message>
    <message>
        <source>PNG stream</source>
        <translation>PNG 数据流</translation>
    </message>
    <message>
        <source>bit-field masks</source>
        <translation>位域掩码</translation>
    </message>
    <message>
        <source>colour table</source>
        <translation>颜色表</translation>
    </message>
    <message>
        <source>XOR pixels</source>
        <translation>XOR 像素</translation>
    </message>
    <message>
        <source>pixel data</source>
        <translation>像素数据</translation>
    </message>
    <message>
        <source>AND mask</source>
        <translation>AND 掩码</translation>
    </message>
    <message>
        <source>embedded profile</source>
        <translation>嵌入的颜色配置文件</translation>
    </message>
    <message>
        <source>linked profile</source>
        <translation>链接的颜色配置文件</translation>
    </message>
    <message>
        <source>gap</source>
        <translation>间隙</translation>
    </message>
    <message>
        <source>trailing bytes</source>
        <translation>尾随字节</translation>
    </message>
    <message>
        <source>OS/2 bitmap array</source>
        <translation>OS/2 位图数组</translation>
    </message>
    <message>
        <source>icon</source>
        <translation>图标</translation>
    </message>
    <message>
        <source>cursor</source>
        <translation>光标</translation>
    </message>
    <message>
        <source>headerless DIB</source>
        <translation>无文件头的 DIB</translation>
    </message>
    <message>
        <source>bitmap</source>
        <translation>位图</translation>
    </message>
    <message>
        <source>uncompressed</source>
        <translation>未压缩</translation>
    </message>
    <message>
        <source>2-bit pixels are Windows CE&apos;s only; most readers refuse them.</source>
        <translation>2 位像素仅见于 Windows CE；多数读取程序拒绝它们。</translation>
    </message>
    <message>
        <source>64-bit pixels are a newer Windows extension few readers know.</source>
        <translation>64 位像素是较新的 Windows 扩展，很少有读取程序认识。</translation>
    </message>
    <message>
        <source>bit fields</source>
        <translation>位域</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 或 %2</translation>
    </message>
    <message>
        <source>bit-field masks need %1</source>
        <translation>位域掩码需要 %1 位</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 需要 %2 位</translation>
    </message>
    <message>
        <source>a PNG image</source>
        <translation>PNG 图像</translation>
    </message>
    <message>
        <source>a JPEG image</source>
        <translation>JPEG 图像</translation>
    </message>
    <message>
        <source>a GIF image</source>
        <translation>GIF 图像</translation>
    </message>
    <message>
        <source>a ZIP archive</source>
        <translation>ZIP 压缩包</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>PDF 文档</translation>
    </message>
    <message>
        <source>a gzip stream</source>
        <translation>gzip 数据流</translation>
    </message>
    <message>
        <source>a RIFF file</source>
        <translation>RIFF 文件</translation>
    </message>
    <message>
        <source>a TIFF image</source>
        <translation>TIFF 图像</translation>
    </message>
    <message>
        <source>an ELF executable</source>
        <translation>ELF 可执行文件</translation>
    </message>
    <message>
        <source>a 7z archive</source>
        <translation>7z 压缩包</translation>
    </message>
    <message>
        <source>a BMP bitmap</source>
        <translation>BMP 位图</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n 字节</numerusform>
        </translation>
    </message>
    <message>
        <source>bytes %1 to %2</source>
        <translation>字节 %1 到 %2</translation>
    </message>
    <message>
        <source>bit %1</source>
        <translation>位 %1</translation>
    </message>
    <message>
        <source>bits %1 to %2</source>
        <translation>位 %1 到 %2</translation>
    </message>
    <message>
        <source>pixel (%1, %2)</source>
        <translation>像素 (%1, %2)</translation>
    </message>
    <message>
        <source>pixels (%1, %2) to (%3, %2)</source>
        <translation>像素 (%1, %2) 到 (%3, %2)</translation>
    </message>
    <message>
        <source>%1 (stored row %2)</source>
        <translation>%1（存储行 %2）</translation>
    </message>
    <message>
        <source>stored row %1, past the picture</source>
        <translation>存储行 %1，超出图像</translation>
    </message>
    <message numerus="yes">
        <source>%n pixel(s)</source>
        <translation>
            <numerusform>%n 像素</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n 行</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n column(s)</source>
        <translation>
            <numerusform>%n 列</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PictureTexts</name>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>colour %1 as the window draws it</source>
        <translation>颜色 %1（窗口绘制的颜色）</translation>
    </message>
    <message>
        <source>no colour: the %1 stream is not decoded here</source>
        <translation>无颜色：此处不解码 %1 数据流</translation>
    </message>
    <message>
        <source>Coded in the embedded %1 stream of %2 at offset %3 (%4), which Hexlume does not take apart: no bytes of the file hold this pixel alone</source>
        <translation>编码在偏移 %3 (%4) 处 %2 的嵌入 %1 数据流中，Hexlume 不拆解该数据流：文件中没有单独保存此像素的字节</translation>
    </message>
    <message>
        <source>the pixel data codes runs of pixels, so no bytes hold this one alone</source>
        <translation>像素数据编码的是像素游程，因此没有单独保存此像素的字节</translation>
    </message>
    <message>
        <source>no code draws it, so the format leaves it undefined (drawn transparent)</source>
        <translation>没有代码绘制它，格式未定义其值（绘制为透明）</translation>
    </message>
    <message>
        <source>colour %1</source>
        <translation>颜色 %1</translation>
    </message>
    <message>
        <source>no colour: the file ends before its bytes</source>
        <translation>无颜色：文件在其字节之前结束</translation>
    </message>
    <message>
        <source>%1, index %2, %3</source>
        <translation>%1，索引 %2，%3</translation>
    </message>
    <message numerus="yes">
        <source>past the table&apos;s %n (entry|entries)</source>
        <translation>
            <numerusform>超出颜色表的 %n 个条目</numerusform>
        </translation>
    </message>
    <message>
        <source>Held by the byte at offset %1 (%2)</source>
        <translation>由偏移 %1 (%2) 处的字节保存</translation>
    </message>
    <message>
        <source>Held by the %3 bytes at offset %1 (%2)</source>
        <translation>由偏移 %1 (%2) 处的 %3 个字节保存</translation>
    </message>
    <message>
        <source>%1, %2 (0 = most significant)</source>
        <translation>%1，%2（0 = 最高位）</translation>
    </message>
</context>
<context>
    <name>Planes</name>
    <message>
        <source>red</source>
        <translation>红</translation>
    </message>
    <message>
        <source>green</source>
        <translation>绿</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>蓝</translation>
    </message>
    <message>
        <source>alpha</source>
        <translation>Alpha</translation>
    </message>
    <message>
        <source>index</source>
        <translation>索引</translation>
    </message>
    <message>
        <source>colours as drawn</source>
        <translation>绘制出的颜色</translation>
    </message>
    <message>
        <source>%1, bit %2</source>
        <translation>%1，第 %2 位</translation>
    </message>
    <message>
        <source>%1: no value, the file holds no bytes for this pixel</source>
        <translation>%1：无值，文件中没有该像素的字节</translation>
    </message>
    <message>
        <source>%1: %2 of %3, binary %4</source>
        <translation>%1：%2 / %3，二进制 %4</translation>
    </message>
    <message>
        <source>%1: %2 (%3 %4 of %5, binary %6)</source>
        <translation>%1：%2（%3 %4 / %5，二进制 %6）</translation>
    </message>
    <message>
        <source>%1: white where the bit is 1, black where it is 0</source>
        <translation>%1：该位为 1 处为白，为 0 处为黑</translation>
    </message>
    <message>
        <source>%1: black for 0, white for %2, the most its bit holds</source>
        <translation>%1：0 为黑，%2 为白，即其 1 位所能容纳的最大值</translation>
    </message>
    <message>
        <source>%1: black for 0, white for %2, the most its %3 bits hold</source>
        <translation>%1：0 为黑，%2 为白，即其 %3 位所能容纳的最大值</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>input device</source>
        <translation>输入设备</translation>
    </message>
    <message>
        <source>display device</source>
        <translation>显示设备</translation>
    </message>
    <message>
        <source>output device</source>
        <translation>输出设备</translation>
    </message>
    <message>
        <source>device link</source>
        <translation>设备链接</translation>
    </message>
    <message>
        <source>colour space</source>
        <translation>颜色空间</translation>
    </message>
    <message>
        <source>abstract</source>
        <translation>抽象</translation>
    </message>
    <message>
        <source>named colour</source>
        <translation>命名颜色</translation>
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
        <translation>灰度</translation>
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
        <translation>配置文件描述</translation>
    </message>
    <message>
        <source>copyright</source>
        <translation>版权</translation>
    </message>
    <message>
        <source>media white point</source>
        <translation>介质白点</translation>
    </message>
    <message>
        <source>media black point</source>
        <translation>介质黑点</translation>
    </message>
    <message>
        <source>red colorant</source>
        <translation>红色着色剂</translation>
    </message>
    <message>
        <source>green colorant</source>
        <translation>绿色着色剂</translation>
    </message>
    <message>
        <source>blue colorant</source>
        <translation>蓝色着色剂</translation>
    </message>
    <message>
        <source>red tone curve</source>
        <translation>红色色调曲线</translation>
    </message>
    <message>
        <source>green tone curve</source>
        <translation>绿色色调曲线</translation>
    </message>
    <message>
        <source>blue tone curve</source>
        <translation>蓝色色调曲线</translation>
    </message>
    <message>
        <source>grey tone curve</source>
        <translation>灰度色调曲线</translation>
    </message>
    <message>
        <source>chromatic adaptation</source>
        <translation>色适应</translation>
    </message>
    <message>
        <source>luminance</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>measurement</source>
        <translation>测量条件</translation>
    </message>
    <message>
        <source>technology</source>
        <translation>技术</translation>
    </message>
    <message>
        <source>viewing conditions</source>
        <translation>观察条件</translation>
    </message>
    <message>
        <source>viewing conditions description</source>
        <translation>观察条件描述</translation>
    </message>
    <message>
        <source>device manufacturer description</source>
        <translation>设备制造商描述</translation>
    </message>
    <message>
        <source>device model description</source>
        <translation>设备型号描述</translation>
    </message>
    <message>
        <source>device to PCS, perceptual</source>
        <translation>设备到 PCS，可感知</translation>
    </message>
    <message>
        <source>device to PCS, colorimetric</source>
        <translation>设备到 PCS，比色</translation>
    </message>
    <message>
        <source>device to PCS, saturation</source>
        <translation>设备到 PCS，饱和度</translation>
    </message>
    <message>
        <source>PCS to device, perceptual</source>
        <translation>PCS 到设备，可感知</translation>
    </message>
    <message>
        <source>PCS to device, colorimetric</source>
        <translation>PCS 到设备，比色</translation>
    </message>
    <message>
        <source>PCS to device, saturation</source>
        <translation>PCS 到设备，饱和度</translation>
    </message>
    <message>
        <source>gamut</source>
        <translation>色域</translation>
    </message>
    <message>
        <source>chromaticity</source>
        <translation>色度</translation>
    </message>
    <message>
        <source>coding-independent code points</source>
        <translation>编码无关码点</translation>
    </message>
    <message>
        <source>colorant table</source>
        <translation>着色剂表</translation>
    </message>
    <message>
        <source>named colours</source>
        <translation>命名颜色集</translation>
    </message>
    <message>
        <source>profile sequence</source>
        <translation>配置文件序列</translation>
    </message>
    <message>
        <source>characterization target</source>
        <translation>特性化目标</translation>
    </message>
    <message>
        <source>calibration date and time</source>
        <translation>校准日期和时间</translation>
    </message>
    <message>
        <source>preview, perceptual</source>
        <translation>预览，可感知</translation>
    </message>
    <message>
        <source>0 = none</source>
        <translation>0 = 无</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>0 = not given</source>
        <translation>0 = 未给出</translation>
    </message>
    <message>
        <source>0 = not computed</source>
        <translation>0 = 未计算</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>embedded</source>
        <translation>嵌入</translation>
    </message>
    <message>
        <source>not embedded</source>
        <translation>未嵌入</translation>
    </message>
    <message>
        <source>not to be used apart from its data</source>
        <translation>不得脱离其数据单独使用</translation>
    </message>
    <message>
        <source>may be used on its own</source>
        <translation>可单独使用</translation>
    </message>
    <message>
        <source>%1, %2, %3, %4</source>
        <translation>%1，%2，%3，%4</translation>
    </message>
    <message>
        <source>transparency</source>
        <translation>透射</translation>
    </message>
    <message>
        <source>reflective</source>
        <translation>反射</translation>
    </message>
    <message>
        <source>matte</source>
        <translation>哑光</translation>
    </message>
    <message>
        <source>glossy</source>
        <translation>光面</translation>
    </message>
    <message>
        <source>negative</source>
        <translation>负片</translation>
    </message>
    <message>
        <source>positive</source>
        <translation>正片</translation>
    </message>
    <message>
        <source>black and white</source>
        <translation>黑白</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>彩色</translation>
    </message>
    <message>
        <source>perceptual</source>
        <translation>可感知</translation>
    </message>
    <message>
        <source>media-relative colorimetric</source>
        <translation>介质相对比色</translation>
    </message>
    <message>
        <source>saturation</source>
        <translation>饱和度</translation>
    </message>
    <message>
        <source>ICC-absolute colorimetric</source>
        <translation>ICC 绝对比色</translation>
    </message>
    <message>
        <source>%1 = not defined</source>
        <translation>%1 = 未定义</translation>
    </message>
    <message>
        <source>must be &apos;acsp&apos;</source>
        <translation>必须为 &apos;acsp&apos;</translation>
    </message>
    <message>
        <source>not all 0</source>
        <translation>不全为 0</translation>
    </message>
    <message>
        <source>%1 = %2: %3</source>
        <translation>%1 = %2：%3</translation>
    </message>
    <message>
        <source>profile byte %1 = file offset %2</source>
        <translation>配置文件字节 %1 = 文件偏移 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n tag(s); the first %1 are explained</source>
        <translation>
            <numerusform>%n 个标签；只解释前 %1 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tag(s)</source>
        <translation>
            <numerusform>%n 个标签</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>位图文件（*.bmp）</source>
        <translation>位图文件（*.bmp）</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
</context>
<context>
    <name>Repairs</name>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1；%2</translation>
    </message>
    <message>
        <source>%1 (indices past the table) became entry %2</source>
        <translation>%1（超出颜色表的索引）成为条目 %2</translation>
    </message>
    <message>
        <source>%1 (missing pixels) became entry %2</source>
        <translation>%1（缺失的像素）成为条目 %2</translation>
    </message>
    <message>
        <source>pixels the stream skips became entry 0 (%1)</source>
        <translation>数据流跳过的像素成为条目 0（%1）</translation>
    </message>
    <message>
        <source>pixels the stream skips became black</source>
        <translation>数据流跳过的像素成为黑色</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <translation>%1：%2 → %3</translation>
    </message>
    <message>
        <source>as every bitmap has</source>
        <translation>每个位图都如此</translation>
    </message>
    <message>
        <source>as it must be</source>
        <translation>这是必须的</translation>
    </message>
    <message>
        <source>where the picture&apos;s %1 of rows end the file</source>
        <translation>即图像 %1 的行数据恰好在文件末尾结束之处</translation>
    </message>
    <message>
        <source>right after the colour table, where an RLE stream starts that ends the file with its end-of-bitmap code</source>
        <translation>紧接颜色表之后，此处开始的 RLE 数据流以位图结束码结束文件</translation>
    </message>
    <message>
        <source>the entries that fit before the pixel data</source>
        <translation>像素数据之前容纳得下的条目数</translation>
    </message>
    <message>
        <source>all colours</source>
        <translation>全部颜色</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>未给出</translation>
    </message>
    <message>
        <source>%1: %2 → %3, LCS_sRGB, the colour space readers take</source>
        <translation>%1：%2 → %3，LCS_sRGB，读取程序采用的颜色空间</translation>
    </message>
    <message>
        <source>RLE end-of-bitmap code (00 01) appended at offset %1</source>
        <translation>在偏移 %1 处追加了 RLE 位图结束码（00 01）</translation>
    </message>
    <message>
        <source>%1, taking in %2 of %3 (a guess)</source>
        <translation>%1，纳入 %3 的 %2（猜测）</translation>
    </message>
    <message>
        <source>Pixel data: the %1 the file lacks (stored rows %2 to %3) filled with zero bytes, made up</source>
        <translation>像素数据：文件缺少的 %1（存储行 %2 至 %3）以零字节填充，系编造</translation>
    </message>
    <message numerus="yes">
        <source>%n bit(s) rows</source>
        <translation>
            <numerusform>%n 位的行</numerusform>
        </translation>
    </message>
    <message>
        <source>the %1 stream</source>
        <translation>%1 数据流</translation>
    </message>
    <message>
        <source>Picture stored again as the decoder draws it, %1x%2 in uncompressed %3-bit rows under a BITMAPINFOHEADER, in place of %4 (a guess)</source>
        <translation>按解码器绘制的样子重新存储图像：%1x%2，BITMAPINFOHEADER 之下的未压缩 %3 位行，取代%4（猜测）</translation>
    </message>
    <message>
        <source>Picture stored again as the decoder draws it, %1x%2 in uncompressed %3-bit rows under a BITMAPINFOHEADER, in place of %4; %5 (a guess)</source>
        <translation>按解码器绘制的样子重新存储图像：%1x%2，BITMAPINFOHEADER 之下的未压缩 %3 位行，取代%4；%5（猜测）</translation>
    </message>
    <message>
        <source>Bits outside the channel masks zeroed in %1</source>
        <translation>%1 中通道掩码之外的位已清零</translation>
    </message>
    <message>
        <source>Row padding and bits outside the channel masks zeroed in %1</source>
        <translation>%1 中的行填充和通道掩码之外的位已清零</translation>
    </message>
    <message>
        <source>Row padding zeroed in %1</source>
        <translation>%1 中的行填充已清零</translation>
    </message>
    <message numerus="yes">
        <source>%n gap(s) zeroed (%1)</source>
        <translation>
            <numerusform>%n 个间隙已清零（%1）</numerusform>
        </translation>
    </message>
    <message>
        <source>The %1 after the bitmap&apos;s last part dropped</source>
        <translation>位图最后一部分之后的 %1 已丢弃</translation>
    </message>
    <message>
        <source>the size of the rows</source>
        <translation>各行的大小</translation>
    </message>
    <message>
        <source>the RLE stream&apos;s size up to its end-of-bitmap code</source>
        <translation>RLE 数据流到其位图结束码为止的大小</translation>
    </message>
    <message>
        <source>the Huffman stream&apos;s size up to its last row</source>
        <translation>Huffman 数据流到其最后一行为止的大小</translation>
    </message>
    <message>
        <source>the bitmap&apos;s extent, before %1 that trail it</source>
        <translation>位图的范围，不含其后的 %1</translation>
    </message>
    <message>
        <source>the file&apos;s size</source>
        <translation>文件的大小</translation>
    </message>
    <message>
        <source>None: fewer than 14 bytes leave no headers to repair.</source>
        <translation>无：不足 14 字节，没有可修复的头。</translation>
    </message>
    <message>
        <source>None: the signature is what says the bytes are a bitmap at all.</source>
        <translation>无：正是签名表明这些字节是位图。</translation>
    </message>
    <message>
        <source>None: the header&apos;s missing fields have no other source.</source>
        <translation>无：头中缺失的字段没有其他来源。</translation>
    </message>
    <message>
        <source>None: no other field tells the header&apos;s version.</source>
        <translation>无：没有其他字段说明头的版本。</translation>
    </message>
    <message>
        <source>None needed: a note.</source>
        <translation>无需修复：仅为提示。</translation>
    </message>
    <message>
        <source>biPlanes set to 1.</source>
        <translation>biPlanes 设为 1。</translation>
    </message>
    <message>
        <source>None needed: a rare but defined format.</source>
        <translation>无需修复：少见但有定义的格式。</translation>
    </message>
    <message>
        <source>None: no other field tells how the pixels are stored.</source>
        <translation>无：没有其他字段说明像素如何存储。</translation>
    </message>
    <message>
        <source>None: either field may be the wrong one.</source>
        <translation>无：两个字段都可能是错的。</translation>
    </message>
    <message>
        <source>None: no other field tells the picture&apos;s width.</source>
        <translation>无：没有其他字段说明图像的宽度。</translation>
    </message>
    <message>
        <source>None: no other field tells the picture&apos;s height.</source>
        <translation>无：没有其他字段说明图像的高度。</translation>
    </message>
    <message>
        <source>None: readers differ on which way such rows run.</source>
        <translation>无：读取程序对这种行的方向看法不一。</translation>
    </message>
    <message>
        <source>None: no size the fields can hold is right.</source>
        <translation>无：字段能容纳的任何大小都不对。</translation>
    </message>
    <message>
        <source>bfSize set to the file&apos;s size, or to the bitmap&apos;s extent when bytes trail it.</source>
        <translation>bfSize 设为文件的大小；若位图后有尾随字节，则设为位图的范围。</translation>
    </message>
    <message>
        <source>None needed: an OS/2 writer&apos;s custom.</source>
        <translation>无需修复：OS/2 写入程序的惯例。</translation>
    </message>
    <message>
        <source>The reserved word set to 0.</source>
        <translation>保留字设为 0。</translation>
    </message>
    <message>
        <source>biClrUsed set to the entries that fit before the pixel data.</source>
        <translation>biClrUsed 设为像素数据之前容纳得下的条目数。</translation>
    </message>
    <message>
        <source>None: the missing entries have no other source.</source>
        <translation>无：缺失的条目没有其他来源。</translation>
    </message>
    <message>
        <source>biClrImportant set to 0, all colours.</source>
        <translation>biClrImportant 设为 0，即全部颜色。</translation>
    </message>
    <message>
        <source>None: the missing masks have no other source.</source>
        <translation>无：缺失的掩码没有其他来源。</translation>
    </message>
    <message>
        <source>None: which mask is wrong is not in the file.</source>
        <translation>无：文件中没有哪个掩码出错的信息。</translation>
    </message>
    <message>
        <source>None: which bits the channel had is not in the file.</source>
        <translation>无：文件中没有该通道原有哪些位的信息。</translation>
    </message>
    <message>
        <source>None: the mask&apos;s width sets the channel&apos;s scale.</source>
        <translation>无：掩码的宽度决定通道的刻度。</translation>
    </message>
    <message>
        <source>The density set to 0, not given.</source>
        <translation>密度设为 0，即未给出。</translation>
    </message>
    <message>
        <source>None: which density is right is not in the file.</source>
        <translation>无：文件中没有哪个密度正确的信息。</translation>
    </message>
    <message>
        <source>The colour-space type set to LCS_sRGB, which readers take.</source>
        <translation>颜色空间类型设为读取程序采用的 LCS_sRGB。</translation>
    </message>
    <message>
        <source>None: the profile&apos;s bytes are not in the file.</source>
        <translation>无：颜色配置文件的字节不在文件中。</translation>
    </message>
    <message>
        <source>None: the profile&apos;s own bytes are not apart from the headers.</source>
        <translation>无：颜色配置文件自身的字节与文件头不分离。</translation>
    </message>
    <message>
        <source>None: the profile&apos;s own bytes are not apart from the pixels.</source>
        <translation>无：颜色配置文件自身的字节与像素不分离。</translation>
    </message>
    <message>
        <source>None: which size is right is not in the file.</source>
        <translation>无：文件中没有哪个大小正确的信息。</translation>
    </message>
    <message>
        <source>None: the bytes are no profile.</source>
        <translation>无：这些字节不是颜色配置文件。</translation>
    </message>
    <message>
        <source>None: the tag&apos;s data is not in the profile.</source>
        <translation>无：标签的数据不在颜色配置文件中。</translation>
    </message>
    <message>
        <source>None: where the name ends is not in the file.</source>
        <translation>无：文件中没有名称在何处结束的信息。</translation>
    </message>
    <message>
        <source>bfOffBits set where the pixel data is, when only one place fits: uncompressed rows that end the file, or an RLE stream from the colour table&apos;s end to the file&apos;s.</source>
        <translation>仅当只有一处合适时，将 bfOffBits 设为像素数据所在处：在文件末尾结束的未压缩行，或从颜色表末尾到文件末尾的 RLE 数据流。</translation>
    </message>
    <message>
        <source>As pixel-offset-overlaps.</source>
        <translation>同 pixel-offset-overlaps。</translation>
    </message>
    <message>
        <source>For an RLE or Huffman stream, biSizeImage set to the stream&apos;s size; uncompressed rows need none.</source>
        <translation>对 RLE 或 Huffman 数据流，biSizeImage 设为数据流的大小；未压缩的行无需修复。</translation>
    </message>
    <message>
        <source>biSizeImage set to the rows&apos; size, or the stream&apos;s up to its end code.</source>
        <translation>biSizeImage 设为各行的大小，或数据流到其结束码为止的大小。</translation>
    </message>
    <message>
        <source>As size-image-mismatch.</source>
        <translation>同 size-image-mismatch。</translation>
    </message>
    <message>
        <source>Only with --fix=pad: the missing rows made up of zero bytes.</source>
        <translation>仅在 --fix=pad 时：以零字节编造缺失的行。</translation>
    </message>
    <message>
        <source>biClrUsed set to the entries that fit before the pixel data, when more fit than it gives.</source>
        <translation>当像素数据之前容纳得下的条目多于 biClrUsed 所给时，将其设为该条目数。</translation>
    </message>
    <message>
        <source>Only with --strip: zeroed.</source>
        <translation>仅在 --strip 时：清零。</translation>
    </message>
    <message>
        <source>None: the stream&apos;s own bytes are wrong.</source>
        <translation>无：数据流自身的字节有误。</translation>
    </message>
    <message>
        <source>None: where the writer meant the pixels is not in the file.</source>
        <translation>无：文件中没有写入程序原意把像素放在何处的信息。</translation>
    </message>
    <message>
        <source>None: the rest of the code is not in the file.</source>
        <translation>无：代码的其余部分不在文件中。</translation>
    </message>
    <message>
        <source>The end-of-bitmap code appended, and the sizes set to match.</source>
        <translation>追加位图结束码，并相应设置各大小。</translation>
    </message>
    <message>
        <source>None needed: the format allows it.</source>
        <translation>无需修复：格式允许这样。</translation>
    </message>
    <message>
        <source>None: the missing pixels are not in the file.</source>
        <translation>无：缺失的像素不在文件中。</translation>
    </message>
    <message>
        <source>None: the code meant is not in the file.</source>
        <translation>无：文件中没有原意的代码。</translation>
    </message>
    <message>
        <source>None: where the row ends is not in the file.</source>
        <translation>无：文件中没有该行在何处结束的信息。</translation>
    </message>
    <message>
        <source>None: the rest of the stream is not in the file.</source>
        <translation>无：数据流的其余部分不在文件中。</translation>
    </message>
    <message>
        <source>Only with --strip: dropped, and bfSize set to match.</source>
        <translation>仅在 --strip 时：丢弃，并相应设置 bfSize。</translation>
    </message>
    <message>
        <source>None: an OS/2 bitmap array is not repaired.</source>
        <translation>无：不修复 OS/2 位图数组。</translation>
    </message>
    <message>
        <source>None: the missing entry is not in the file.</source>
        <translation>无：缺失的条目不在文件中。</translation>
    </message>
    <message>
        <source>None: which entry the chain meant is not in the file.</source>
        <translation>无：文件中没有链接链原意指向哪个条目的信息。</translation>
    </message>
    <message>
        <source>None: about the window&apos;s dump, not the file.</source>
        <translation>无：关于窗口的十六进制转储，而非文件。</translation>
    </message>
    <message>
        <source>Only with --fix=height: biHeight taking in the rows (and bfOffBits for rows before the pixel data).</source>
        <translation>仅在 --fix=height 时：biHeight 纳入这些行（对像素数据之前的行还设置 bfOffBits）。</translation>
    </message>
    <message>
        <source>None: icon and cursor files are not repaired.</source>
        <translation>无：不修复图标和光标文件。</translation>
    </message>
    <message>
        <source>None: the images are not in the file.</source>
        <translation>无：图像不在文件中。</translation>
    </message>
    <message>
        <source>None: the missing entries are not in the file.</source>
        <translation>无：缺失的条目不在文件中。</translation>
    </message>
    <message>
        <source>None: the image&apos;s missing bytes are not in the file.</source>
        <translation>无：图像缺失的字节不在文件中。</translation>
    </message>
    <message>
        <source>None: which entry is wrong is not in the file.</source>
        <translation>无：文件中没有哪个条目出错的信息。</translation>
    </message>
    <message>
        <source>None: the mask&apos;s missing bytes are not in the file.</source>
        <translation>无：掩码缺失的字节不在文件中。</translation>
    </message>
    <message>
        <source>None: the PNG stream is not taken apart.</source>
        <translation>无：不拆解 PNG 数据流。</translation>
    </message>
    <message>
        <source>None: where the hot spot was meant to be is not in the file.</source>
        <translation>无：文件中没有热点原本应在何处的信息。</translation>
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
        <translation>OS/2 数组</translation>
    </message>
    <message>
        <source>icon</source>
        <translation>图标</translation>
    </message>
    <message>
        <source>cursor</source>
        <translation>光标</translation>
    </message>
    <message>
        <source>headerless DIB</source>
        <translation>无文件头 DIB</translation>
    </message>
    <message>
        <source>%1 %2/%3</source>
        <translation>%1 %2/%3</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, %n bit(s)</source>
        <translation>
            <numerusform>%1：%2，%n 位</numerusform>
        </translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>图像名称:%1</source>
        <translation>图像名称:%1</translation>
    </message>
    <message>
        <source>图像大小:%1</source>
        <translation>图像大小:%1</translation>
    </message>
    <message>
        <source>图像类型:%1</source>
        <translation>图像类型:%1</translation>
    </message>
    <message>
        <source>图像名称</source>
        <translation>图像名称</translation>
    </message>
    <message>
        <source>图像大小</source>
        <translation>图像大小</translation>
    </message>
    <message>
        <source>图像类型</source>
        <translation>图像类型</translation>
    </message>
</context>
<context>
    <name>TFQForm</name>
    <message>
        <source>帮助</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>使用说明:</source>
        <translation>使用说明:</translation>
    </message>
    <message>
        <source>作    者：佚名</source>
        <translation>作    者：佚名</translation>
    </message>
    <message>
        <source>联    系：</source>
        <translation>联    系：</translation>
    </message>
    <message>
        <source>博    客： </source>
        <translation>博    客： </translation>
    </message>
    <message>
        <source>点击访问</source>
        <translation>点击访问</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>本软件用于帮助图像处理者导出图像数据，以便进行分析，由于编者学艺不精，软件制作粗糙，功能简陋，望广大软件爱好者指评！</source>
        <translation>本软件用于帮助图像处理者导出图像数据，以便进行分析，由于编者学艺不精，软件制作粗糙，功能简陋，望广大软件爱好者指评！</translation>
    </message>
    <message>
        <source>软件操作简单，只需在图片区单击鼠标左右键即可打开图像，然后可以从图像预览区预览图像，从位图文件头和位图信息头列表中读取图像相关信息，还可在右边的数据区查看数据详情，数据都是用16进制表示。</source>
        <translation>软件操作简单，只需在图片区单击鼠标左右键即可打开图像，然后可以从图像预览区预览图像，从位图文件头和位图信息头列表中读取图像相关信息，还可在右边的数据区查看数据详情，数据都是用16进制表示。</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Bitmap File Header 位图文件头信息</source>
        <translation>Bitmap File Header 位图文件头信息</translation>
    </message>
    <message>
        <source>Bitmap Info Header 位图信息头信息</source>
        <translation>Bitmap Info Header 位图信息头信息</translation>
    </message>
    <message>
        <source>从这里开始--您可以尝试你的鼠标左右键哦！</source>
        <translation>从这里开始--您可以尝试你的鼠标左右键哦！</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>%1 is a %2, not one number: set its bytes</source>
        <translation>%1 是 %2，不是单个数字：请设置它的字节</translation>
    </message>
    <message>
        <source>%1 is a %2 of %3, not one number: set its bytes</source>
        <translation>%1 是 %3 的 %2，不是单个数字：请设置它的字节</translation>
    </message>
    <message>
        <source>%1 is a %2: %3 to %4</source>
        <translation>%1 是 %2：%3 到 %4</translation>
    </message>
    <message>
        <source>%1 takes a number: decimal, or hex after 0x</source>
        <translation>%1 需要一个数字：十进制，或 0x 后接十六进制</translation>
    </message>
    <message>
        <source>%1 takes a number: hex digits as shown, or decimal with a sign or a trailing dot (64.)</source>
        <translation>%1 需要一个数字：按所示的十六进制数字，或带正负号或末尾带点的十进制数（64.）</translation>
    </message>
    <message>
        <source>%1 takes a colour as #RRGGBB: six hex digits, red, green, blue</source>
        <translation>%1 需要 #RRGGBB 形式的颜色：六个十六进制数字，依次为红、绿、蓝</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message numerus="yes">
        <source>%n colour(s)</source>
        <translation>
            <numerusform>%n 种颜色</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n (bit|bits) per pixel</source>
        <translation>
            <numerusform>每像素 %n 位</numerusform>
        </translation>
    </message>
    <message>
        <source>no bits</source>
        <translation>无位</translation>
    </message>
    <message numerus="yes">
        <source>%n bit(s), not contiguous</source>
        <translation>
            <numerusform>%n 位，不连续</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message numerus="yes">
        <source>%n bit(s)</source>
        <translation>
            <numerusform>%n 位</numerusform>
        </translation>
    </message>
    <message>
        <source>0 = not given</source>
        <translation>0 = 未给出</translation>
    </message>
    <message>
        <source>%1 px/m = %2 dpi</source>
        <translation>%1 像素/米 = %2 dpi</translation>
    </message>
    <message>
        <source>not defined</source>
        <translation>未定义</translation>
    </message>
    <message>
        <source>gamma %1</source>
        <translation>伽马 %1</translation>
    </message>
    <message>
        <source>no rows</source>
        <translation>无行</translation>
    </message>
    <message numerus="yes">
        <source>top-down, %n row(s)</source>
        <translation>
            <numerusform>自上而下，%n 行</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bottom-up, %n row(s)</source>
        <translation>
            <numerusform>自下而上，%n 行</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>top-down, 2 × %n row(s): XOR pixels, then AND mask</source>
        <translation>
            <numerusform>自上而下，2 × %n 行：先 XOR 像素，后 AND 掩码</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bottom-up, 2 × %n row(s): XOR pixels, then AND mask</source>
        <translation>
            <numerusform>自下而上，2 × %n 行：先 XOR 像素，后 AND 掩码</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (odd: a row left over)</source>
        <translation>%1（奇数：多出一行）</translation>
    </message>
    <message>
        <source>1 = icon</source>
        <translation>1 = 图标</translation>
    </message>
    <message>
        <source>2 = cursor</source>
        <translation>2 = 光标</translation>
    </message>
    <message numerus="yes">
        <source>0 = 2^%1 = %n colour(s)</source>
        <translation>
            <numerusform>0 = 2^%1 = %n 种颜色</numerusform>
        </translation>
    </message>
    <message>
        <source>0 = no colour table</source>
        <translation>0 = 无颜色表</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>error diffusion</source>
        <translation>误差扩散</translation>
    </message>
    <message>
        <source>super-circle</source>
        <translation>超圆</translation>
    </message>
    <message>
        <source>pixel data at offset %1</source>
        <translation>像素数据位于偏移 %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 pixel(s)</source>
        <translation>
            <numerusform>%1 像素</numerusform>
        </translation>
    </message>
    <message>
        <source>must be 1</source>
        <translation>必须为 1</translation>
    </message>
    <message>
        <source>0 = as the rows take</source>
        <translation>0 = 按各行所需</translation>
    </message>
    <message>
        <source>0 = all colours</source>
        <translation>0 = 全部颜色</translation>
    </message>
    <message>
        <source>profile at file offset %1</source>
        <translation>颜色配置文件位于文件偏移 %1</translation>
    </message>
    <message>
        <source>0 = pixels per metre</source>
        <translation>0 = 每米像素数</translation>
    </message>
    <message>
        <source>0 = bottom-up</source>
        <translation>0 = 自下而上</translation>
    </message>
    <message>
        <source>0 = RGB</source>
        <translation>0 = RGB</translation>
    </message>
    <message>
        <source>0 = the last entry</source>
        <translation>0 = 最后一个条目</translation>
    </message>
    <message>
        <source>next entry at offset %1</source>
        <translation>下一条目位于偏移 %1</translation>
    </message>
    <message>
        <source>0 = any display</source>
        <translation>0 = 任意显示器</translation>
    </message>
    <message>
        <source>must be 0</source>
        <translation>必须为 0</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s)</source>
        <translation>
            <numerusform>%n 个图像</numerusform>
        </translation>
    </message>
    <message>
        <source>0 = 256 pixels</source>
        <translation>0 = 256 像素</translation>
    </message>
    <message>
        <source>0 = no colour table, or 256 colours</source>
        <translation>0 = 无颜色表，或 256 种颜色</translation>
    </message>
    <message>
        <source>0 = as the image says</source>
        <translation>0 = 以图像所述为准</translation>
    </message>
    <message numerus="yes">
        <source>hot spot %n pixel(s) from the left</source>
        <translation>
            <numerusform>热点距左边 %n 像素</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hot spot %n pixel(s) from the top</source>
        <translation>
            <numerusform>热点距顶部 %n 像素</numerusform>
        </translation>
    </message>
    <message>
        <source>image at offset %1</source>
        <translation>图像位于偏移 %1</translation>
    </message>
</context>
<context>
    <name>hexlume::DumpEditing</name>
    <message>
        <source>Set file &amp;size...</source>
        <translation>设置文件大小(&amp;S)...</translation>
    </message>
    <message>
        <source>No file is open.</source>
        <translation>没有打开文件。</translation>
    </message>
</context>
<context>
    <name>hexlume::DumpNavigator</name>
    <message>
        <source>&amp;Go to offset...</source>
        <translation>转到偏移(&amp;G)...</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>查找(&amp;F)...</translation>
    </message>
    <message>
        <source>Find &amp;next</source>
        <translation>查找下一个(&amp;N)</translation>
    </message>
    <message>
        <source>Find &amp;previous</source>
        <translation>查找上一个(&amp;P)</translation>
    </message>
    <message>
        <source>Back to the &amp;top</source>
        <translation>回到顶部(&amp;T)</translation>
    </message>
    <message>
        <source>To the &amp;end</source>
        <translation>到末尾(&amp;E)</translation>
    </message>
    <message>
        <source>No file is open.</source>
        <translation>没有打开文件。</translation>
    </message>
    <message>
        <source>Not in the file: %1</source>
        <translation>文件中没有：%1</translation>
    </message>
    <message>
        <source>Found at offset %1. %2</source>
        <translation>在偏移 %1 处找到。%2</translation>
    </message>
    <message>
        <source>Went round past the end of the file, back to its start. </source>
        <translation>已越过文件末尾，回到文件开头。</translation>
    </message>
    <message>
        <source>Went round past the start of the file, back to its end. </source>
        <translation>已越过文件开头，回到文件末尾。</translation>
    </message>
</context>
<context>
    <name>hexlume::DumpQueryDialog</name>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Go to offset</source>
        <translation>转到偏移</translation>
    </message>
    <message>
        <source>42 4D ?? 00</source>
        <translation>42 4D ?? 00</translation>
    </message>
    <message>
        <source>Hex bytes (?? for any byte)</source>
        <translation>十六进制字节（?? 表示任意字节）</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>text as typed</source>
        <translation>按输入的文本</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>查找：</translation>
    </message>
    <message>
        <source>As:</source>
        <translation>按：</translation>
    </message>
    <message>
        <source>1086, 0x43E, +16 or -16 from the lit byte</source>
        <translation>1086、0x43E，或从高亮字节起 +16、-16</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>偏移：</translation>
    </message>
    <message>
        <source>Find &amp;next</source>
        <translation>查找下一个(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>转到(&amp;G)</translation>
    </message>
    <message>
        <source>Find &amp;previous</source>
        <translation>查找上一个(&amp;P)</translation>
    </message>
</context>
<context>
    <name>hexlume::FieldsModel</name>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>偏移</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>十六进制</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>十进制</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>含义</translation>
    </message>
</context>
<context>
    <name>hexlume::FieldsWindow</name>
    <message>
        <source>Fields</source>
        <translation>字段</translation>
    </message>
    <message>
        <source>Fields — %1</source>
        <translation>字段 — %1</translation>
    </message>
    <message>
        <source>Choose a row to light its bytes in the dump.</source>
        <translation>选择一行，在十六进制转储中高亮其字节。</translation>
    </message>
</context>
<context>
    <name>hexlume::FileSizeDialog</name>
    <message>
        <source>Set file size</source>
        <translation>设置文件大小</translation>
    </message>
    <message>
        <source>1086 or 0x43E</source>
        <translation>1086 或 0x43E</translation>
    </message>
    <message>
        <source>A smaller size cuts the file; a larger one adds zero bytes at its end.</source>
        <translation>较小的大小会截短文件；较大的大小会在文件末尾补零字节。</translation>
    </message>
    <message>
        <source>The file has %1 (%2). New size:</source>
        <translation>文件有 %1（%2）。新大小：</translation>
    </message>
</context>
<context>
    <name>hexlume::FileWindows</name>
    <message>
        <source>The finding&apos;s first byte</source>
        <translation>该检查结果的第一个字节</translation>
    </message>
    <message>
        <source>The chosen byte</source>
        <translation>所选字节</translation>
    </message>
    <message>
        <source>The chosen field</source>
        <translation>所选字段</translation>
    </message>
    <message>
        <source>The chosen row&apos;s first byte</source>
        <translation>所选行的第一个字节</translation>
    </message>
    <message>
        <source>No bytes of the file hold this pixel.</source>
        <translation>文件中没有字节存放这个像素。</translation>
    </message>
    <message>
        <source>Offset %1, %2. %3</source>
        <translation>偏移 %1，%2。%3</translation>
    </message>
    <message>
        <source>The clicked byte</source>
        <translation>所点击的字节</translation>
    </message>
    <message>
        <source>%1 at offset %2</source>
        <translation>偏移 %2 处的%1</translation>
    </message>
    <message>
        <source>%1 holds no pixel of the picture.</source>
        <translation>%1不存放图像的任何像素。</translation>
    </message>
    <message>
        <source>%1 draws %2.</source>
        <translation>%1绘制%2。</translation>
    </message>
</context>
<context>
    <name>hexlume::FindingsBadge</name>
    <message>
        <source>The checker finds nothing wrong or worth noting in this file.</source>
        <translation>检查未发现此文件有错误或值得注意之处。</translation>
    </message>
    <message>
        <source>

Click or press F8 for the list of findings.</source>
        <translation>

单击或按 F8 查看检查结果列表。</translation>
    </message>
    <message>
        <source>

The dump does not show all of this file as it is; the list (click, or F8) says what it leaves out, apart from the findings.</source>
        <translation>

十六进制转储未按原样显示此文件的全部内容；列表（单击或按 F8）除检查结果外还说明了省略的部分。</translation>
    </message>
</context>
<context>
    <name>hexlume::FindingsWindow</name>
    <message>
        <source>&amp;Fix</source>
        <translation>修复(&amp;F)</translation>
    </message>
    <message>
        <source>Fix &amp;all</source>
        <translation>全部修复(&amp;A)</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>检查结果</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>严重程度</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>代码</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>偏移</translation>
    </message>
    <message>
        <source>In the dump</source>
        <translation>在十六进制转储中</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>修复</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>Make the chosen finding&apos;s repair, as one edit to undo</source>
        <translation>执行所选检查结果的修复，作为一次可撤销的编辑</translation>
    </message>
    <message>
        <source>Make every repair the file&apos;s own bytes leave one answer for, as one edit to undo</source>
        <translation>执行文件自身字节只有唯一答案的所有修复，作为一次可撤销的编辑</translation>
    </message>
    <message>
        <source>Repairs that guess</source>
        <translation>猜测性修复</translation>
    </message>
    <message>
        <source>Findings — %1</source>
        <translation>检查结果 — %1</translation>
    </message>
    <message>
        <source>The checker finds nothing wrong or worth noting in this file.</source>
        <translation>检查未发现此文件有错误或值得注意之处。</translation>
    </message>
    <message>
        <source>Choose a finding to see its bytes in the dump.</source>
        <translation>选择一条检查结果，在十六进制转储中查看其字节。</translation>
    </message>
    <message>
        <source>What the dump cannot show as the file has it (limits of this window, not findings):</source>
        <translation>十六进制转储无法按文件原样显示的内容（本窗口的限制，不是检查结果）：</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>修复</translation>
    </message>
</context>
<context>
    <name>hexlume::PictureView</name>
    <message>
        <source>No bitmap is open.</source>
        <translation>没有打开位图。</translation>
    </message>
</context>
<context>
    <name>hexlume::PictureWindow</name>
    <message>
        <source>Picture</source>
        <translation>图像</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>适合</translation>
    </message>
    <message>
        <source>Fit the picture to the window</source>
        <translation>使图像适合窗口</translation>
    </message>
    <message>
        <source>1:1</source>
        <translation>1:1</translation>
    </message>
    <message>
        <source>One screen pixel a pixel</source>
        <translation>一个屏幕像素对应一个像素</translation>
    </message>
    <message>
        <source>−</source>
        <translation>−</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Zoom in, up to 64 times</source>
        <translation>放大，最多 64 倍</translation>
    </message>
    <message>
        <source>What to draw of each pixel: its colour, a channel&apos;s stored value as grey, or one bit of it, white where the bit is 1 ([ and ] step through them, { and } from channel to channel)</source>
        <translation>每个像素绘制什么：它的颜色、某通道的存储值（以灰度显示），或其中一位（该位为 1 处为白色）（[ 和 ] 逐个切换，{ 和 } 在通道间切换）</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>所有行</translation>
    </message>
    <message>
        <source>Picture — %1</source>
        <translation>图像 — %1</translation>
    </message>
    <message>
        <source>%1x%2</source>
        <translation>%1x%2</translation>
    </message>
    <message>
        <source>Rows past the picture: the file holds no whole rows of it beside the pixel data</source>
        <translation>图像以外的行：文件在像素数据旁没有存放完整的行</translation>
    </message>
    <message>
        <source>a row past the picture&apos;s height</source>
        <translation>超出图像高度的一行</translation>
    </message>
    <message>
        <source>Point at a pixel to see its value; click it to light its bytes in the dump.</source>
        <translation>指向像素查看其值；单击可在十六进制转储中高亮其字节。</translation>
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
            <numerusform>显示存储在图像以外、被其高度略去的 %n 个完整行：顶部，%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Show the %n whole row(s) stored past the picture, which its height leaves out: %1 at its bottom</source>
        <translation>
            <numerusform>显示存储在图像以外、被其高度略去的 %n 个完整行：底部，%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the top %n row(s) (lies|lie) past the picture&apos;s height</source>
        <translation>
            <numerusform>顶部 %n 行超出图像高度</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the bottom %n row(s) (lies|lie) past the picture&apos;s height</source>
        <translation>
            <numerusform>底部 %n 行超出图像高度</numerusform>
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
        <translation>检查结果：× 和 ? 按钮旁的深色标记统计文件中的问题。单击它或按 F8 打开检查结果窗口；F8 和 Shift+F8 跳到下一条和上一条检查结果，选择一条即在十六进制转储中高亮其字节。

图像：Ctrl+Shift+P 或预览区的右键菜单打开图像窗口，按文件自身的字节绘制。Ctrl+滚轮或 +/− 缩放，Ctrl+0 适合窗口，方向键平移；图像下方的一行说明指针下的像素，单击即在十六进制转储中高亮其字节。缩放旁的列表把某通道显示为灰度，或显示其中一个位平面（该位为 1 处为白色）：[ 和 ] 逐个切换位平面，{ 和 } 在通道间切换。“所有行”加上存储在图像以外、被降低的高度隐藏的完整行。

字段：Ctrl+Shift+F 或预览区的右键菜单打开字段窗口：文件自身信息头版本的每个字段、每个颜色表条目以及其他每个部分，附偏移、类型、值和含义。选择一行即在十六进制转储中高亮其字节；检查结果会标出其所在行。

编辑：双击表格或字段窗口中的值（或按 F2 或 Enter），按显示输入十六进制数字、0x 加十六进制，或带符号或末尾加点的十进制数（64.）；颜色条目输入 #RRGGBB。在十六进制转储中，在高亮字节处输入的十六进制数字会覆盖它；转储菜单中的“设置文件大小...”截短文件或以零字节延长文件。打开的文件从不被写入。

跟踪文件：当其他程序改写打开的文件时，窗口会重新读取它，为改变的字节着色，并在预览上方说明。

在十六进制转储中：Ctrl+G 转到偏移（十进制、0x 十六进制，或从光标起 +/−）；Ctrl+F 查找十六进制字节（?? 表示任意字节）或文本，F3 和 Shift+F3 查找下一个和上一个。把指针停在字节或表格单元上即可了解它是什么。

hexlume-dump 无需窗口即可读取位图：
  hexlume-dump FILE：表格、十六进制转储和检查结果
  --check [-v] FILE|FOLDER...：OK、WARN 或 ERROR
  --at OFFSET FILE：某个字节是什么
  --pixel X,Y FILE：某个像素在哪里
  --picture FILE -o OUT.png，--export FILE
  --json FILE，--diff A B
hexlume-dump --help 列出所有选项。</translation>
    </message>
    <message>
        <source>◂ Back</source>
        <translation>◂ 返回</translation>
    </message>
    <message>
        <source>Keys and windows ▸</source>
        <translation>按键与窗口 ▸</translation>
    </message>
</context>
<context>
    <name>hexlume::TMainForm</name>
    <message>
        <source>&amp;Picture...</source>
        <translation>图像(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Fields...</source>
        <translation>字段(&amp;F)...</translation>
    </message>
    <message>
        <source>%1 has edits that are not saved. Save them as a new file before closing?</source>
        <translation>%1 有未保存的编辑。关闭前把它们另存为新文件吗？</translation>
    </message>
    <message>
        <source>%1 has edits that are not saved. Save them as a new file before opening %2?</source>
        <translation>%1 有未保存的编辑。打开 %2 前把它们另存为新文件吗？</translation>
    </message>
    <message>
        <source>File gone: last version shown</source>
        <translation>文件已不存在：显示的是最后的版本</translation>
    </message>
    <message>
        <source>%1 is no longer there; the window shows it as it was.</source>
        <translation>%1 已不存在；窗口显示的是它原来的样子。</translation>
    </message>
    <message>
        <source>Unreadable now: last version shown</source>
        <translation>现在无法读取：显示的是最后的版本</translation>
    </message>
    <message>
        <source>%1 changed on disk, and the edits here are not saved. Save them as a new file before it is read again?</source>
        <translation>%1 在磁盘上已更改，而这里的编辑尚未保存。重新读取前把它们另存为新文件吗？</translation>
    </message>
    <message>
        <source>Reloaded: %1 changed</source>
        <translation>已重新读取：%1 已更改</translation>
    </message>
    <message>
        <source>The file changed on disk and was read again; the bytes that differ are tinted in the dump until the next open.</source>
        <translation>文件在磁盘上已更改并已重新读取；不同的字节在十六进制转储中着色，直到下次打开。</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Not a bitmap as edited: last good version shown</source>
        <translation>编辑后已不是位图：显示的是最后有效的版本</translation>
    </message>
    <message>
        <source>Not enough memory to show the edits</source>
        <translation>内存不足，无法显示编辑</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>已另存为 %1</translation>
    </message>
    <message>
        <source>Ctrl+Z takes the edits back, past the save too.</source>
        <translation>Ctrl+Z 撤销编辑，保存之前的也可以。</translation>
    </message>
    <message>
        <source>&amp;Next image</source>
        <translation>下一幅图像(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Previous image</source>
        <translation>上一幅图像(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Images</source>
        <translation>图像(&amp;I)</translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s) edited, size %1</source>
        <translation>
            <numerusform>已编辑 %n 个字节，大小 %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s) edited</source>
        <translation>
            <numerusform>已编辑 %n 个字节</numerusform>
        </translation>
    </message>
    <message>
        <source>The bytes that differ from %1 as saved are tinted in the dump; Ctrl+Z takes the last edit back, Ctrl+Shift+S saves them as a new file.</source>
        <translation>与保存时的 %1 不同的字节在十六进制转储中着色；Ctrl+Z 撤销上一次编辑，Ctrl+Shift+S 另存为新文件。</translation>
    </message>
    <message>
        <source>The bytes that differ from %1 as opened are tinted in the dump; Ctrl+Z takes the last edit back, Ctrl+Shift+S saves them as a new file.</source>
        <translation>与打开时的 %1 不同的字节在十六进制转储中着色；Ctrl+Z 撤销上一次编辑，Ctrl+Shift+S 另存为新文件。</translation>
    </message>
</context>
<context>
    <name>hexlume::ValueEditor</name>
    <message>
        <source>Hex digits as shown, 0x and hex, or decimal with a sign or a trailing dot (64.); Enter writes, Escape cancels.</source>
        <translation>按显示输入十六进制数字、0x 加十六进制，或带符号或末尾加点的十进制数（64.）；Enter 写入，Escape 取消。</translation>
    </message>
    <message>
        <source>A colour as #RRGGBB; Enter writes, Escape cancels.</source>
        <translation>颜色写作 #RRGGBB；Enter 写入，Escape 取消。</translation>
    </message>
</context>
</TS>
