<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BackedUpWrite</name>
    <message>
        <source>Backup: %1</source>
        <extracomment>Status bar text after a save took its automatic backup; %1 is the file&apos;s path</extracomment>
        <translation>备份：%1</translation>
    </message>
    <message>
        <source>Nothing was written: cannot save the backup: %1</source>
        <translation>未写入任何数据：无法保存备份：%1</translation>
    </message>
</context>
<context>
    <name>ChangeReport</name>
    <message>
        <source>%1: failed: %2</source>
        <translation>%1：失败：%2</translation>
    </message>
    <message>
        <source>%1: unchanged</source>
        <translation>%1：无变化</translation>
    </message>
    <message>
        <source>%1: %2 changes</source>
        <translation>%1：%2 处变化</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>List the serial ports and announced simulators with their description and USB vendor:product id.</source>
        <translation>列出串口和已登记的模拟器，及其描述和 USB 厂商:产品 ID。</translation>
    </message>
    <message>
        <source>Read the settings and number pages (and with --history the history pages) into the backup FILE.</source>
        <translation>将设置页和号码页（加 --history 时包括历史记录页）读入备份文件 FILE。</translation>
    </message>
    <message>
        <source>Write the settings and number pages of the backup FILE back to the device (only the pages that differ).</source>
        <translation>将备份文件 FILE 中的设置页和号码页写回设备（仅写入不同的页）。</translation>
    </message>
    <message>
        <source>Read the device and print what writing FILE (a settings profile, a number list or a backup) would change; write nothing.</source>
        <translation>读取设备并列出写入 FILE（设置配置文件、号码列表或备份）将会改变的内容；不写入任何数据。</translation>
    </message>
    <message>
        <source>Put back the newest automatic backup a write to this port took, if the device still holds what that write left (else --force).</source>
        <translation>恢复对该串口写入时生成的最新自动备份，前提是设备中仍是那次写入后的内容（否则需 --force）。</translation>
    </message>
    <message>
        <source>Read the settings into a profile (--out F: .xlsx, .xls or .json; - is JSON on stdout).</source>
        <translation>将设置读入配置文件（--out F：.xlsx、.xls 或 .json；- 表示以 JSON 输出到 stdout）。</translation>
    </message>
    <message>
        <source>Save the settings profile FILE (.xlsx, .xls, .ods or .json) to the device.</source>
        <translation>将设置配置文件 FILE（.xlsx、.xls、.ods 或 .json）保存到设备。</translation>
    </message>
    <message>
        <source>Read the number list (--out F: .csv, or .xlsx; - is CSV on stdout).</source>
        <translation>读取号码列表（--out F：.csv 或 .xlsx；- 表示以 CSV 输出到 stdout）。</translation>
    </message>
    <message>
        <source>Save the number list FILE (.xlsx, .xls or .ods) to the device.</source>
        <translation>将号码列表 FILE（.xlsx、.xls 或 .ods）保存到设备。</translation>
    </message>
    <message>
        <source>Read the event history (--out F: .csv or .xlsx; - is CSV on stdout).</source>
        <translation>读取事件历史（--out F：.csv 或 .xlsx；- 表示以 CSV 输出到 stdout）。</translation>
    </message>
    <message>
        <source>Delete the device&apos;s event history (needs --yes).</source>
        <translation>删除设备的事件历史（需要 --yes）。</translation>
    </message>
    <message>
        <source>Set the device clock to this computer&apos;s time.</source>
        <translation>将设备时钟设为本电脑的时间。</translation>
    </message>
    <message>
        <source>Serial port of a device; repeat it or give a glob such as &apos;/dev/ttyUSB*&apos; for several devices at once.</source>
        <translation>设备的串口；可重复给出，或给出 &apos;/dev/ttyUSB*&apos; 之类的通配符，同时处理多台设备。</translation>
    </message>
    <message>
        <source>Read the device password from the first line of FILE (else $GSMGATE_PASSWORD, else a prompt on a terminal, else the factory password).</source>
        <translation>从 FILE 的第一行读取设备密码（否则使用 $GSMGATE_PASSWORD，再否则在终端上询问，最后使用出厂密码）。</translation>
    </message>
    <message>
        <source>Print the summary as JSON on stdout.</source>
        <translation>以 JSON 格式将摘要输出到 stdout。</translation>
    </message>
    <message>
        <source>Write one JSON line per frame sent or received, naming its port, to FILE for support (credentials masked).</source>
        <translation>将发送或接收的每一帧连同其串口作为一行 JSON 写入 FILE，供技术支持使用（凭据已遮盖）。</translation>
    </message>
    <message>
        <source>Write the data to F (- for stdout).</source>
        <translation>将数据写入 F（- 表示 stdout）。</translation>
    </message>
    <message>
        <source>Do not back up the pages a write changes before writing.</source>
        <translation>写入前不备份将被更改的页。</translation>
    </message>
    <message>
        <source>Put the automatic backups in DIR instead of the configuration folder&apos;s backup/.</source>
        <translation>将自动备份保存到 DIR，而不是配置文件夹下的 backup/。</translation>
    </message>
    <message>
        <source>Read every written page back and compare (default).</source>
        <translation>回读每个已写入的页并比较（默认）。</translation>
    </message>
    <message>
        <source>Do not read written pages back.</source>
        <translation>不回读已写入的页。</translation>
    </message>
    <message>
        <source>Include the 500 history pages.</source>
        <translation>包括 500 个历史记录页。</translation>
    </message>
    <message>
        <source>Read the device and print the plan as diff does; write nothing.</source>
        <translation>读取设备并像 diff 一样输出计划；不写入任何数据。</translation>
    </message>
    <message>
        <source>Write every page of each area, not only those that differ.</source>
        <translation>写入每个区域的所有页，而不仅是不同的页。</translation>
    </message>
    <message>
        <source>Undo even when the device holds something else than the write left, or seems to be another device.</source>
        <translation>即使设备中的内容与那次写入后的不同，或看起来是另一台设备，也执行撤销。</translation>
    </message>
    <message>
        <source>Confirm the deletion.</source>
        <translation>确认删除。</translation>
    </message>
    <message>
        <source>The subcommand.</source>
        <translation>子命令。</translation>
    </message>
    <message>
        <source>The file to read.</source>
        <translation>要读取的文件。</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <extracomment>%1 is the command (&quot;gsmgate-cli numbers set&quot;)</extracomment>
        <translation>请运行 &apos;%1 --help&apos; 查看帮助。</translation>
    </message>
    <message>
        <source>Usage: gsmgate-cli SUBCOMMAND [options]
Provisions, backs up and restores GSM gate openers over their serial ports, several
devices at once.

Subcommands:
</source>
        <translation>用法：gsmgate-cli 子命令 [选项]
通过串口配置、备份和恢复 GSM 开门器，可同时处理多台设备。

子命令：
</translation>
    </message>
    <message>
        <source>
Options:
  -h, --help     Show this help; &apos;gsmgate-cli SUBCOMMAND --help&apos; shows a subcommand&apos;s.
  -v, --version  Show the version.
  --language CODE  Speak language CODE (en, de, zh_CN); by default the locale&apos;s.

Exit status: 0 when every device succeeded, 1 when any failed, 2 when the command line
or a file was refused before anything was sent.
</source>
        <translation>
选项：
  -h, --help     显示本帮助；&apos;gsmgate-cli 子命令 --help&apos; 显示子命令的帮助。
  -v, --version  显示版本。
  --language CODE  使用语言 CODE（en、de、zh_CN）；默认使用区域设置的语言。

退出状态：全部设备成功为 0，任一设备失败为 1，在发送任何数据之前命令行或文件被拒绝为 2。
</translation>
    </message>
    <message>
        <source>unknown subcommand &apos;%1&apos;</source>
        <translation>未知子命令 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>expects one FILE</source>
        <translation>需要一个 FILE 参数</translation>
    </message>
    <message>
        <source>takes no argument &apos;%1&apos;</source>
        <translation>不接受参数 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>needs --port</source>
        <translation>需要 --port</translation>
    </message>
    <message>
        <source>needs --out F</source>
        <translation>需要 --out F</translation>
    </message>
    <message>
        <source>--out - and --json both want stdout</source>
        <translation>--out - 与 --json 都要使用 stdout</translation>
    </message>
    <message>
        <source>deletes every history record; add --yes</source>
        <translation>将删除全部历史记录；请加上 --yes</translation>
    </message>
    <message>
        <source>Read the settings and the number list into a configuration file (--out F: YAML; - is stdout).</source>
        <translation>将设置和号码列表读入配置文件（--out F：YAML；- 表示 stdout）。</translation>
    </message>
    <message>
        <source>Make the device hold the configuration FILE: the settings it names and, when it names it, the whole number list (only the pages that differ).</source>
        <translation>使设备内容与配置文件 FILE 一致：其中列出的设置，以及（若列出）整个号码列表（仅写入不同的页）。</translation>
    </message>
    <message>
        <source>Read the device and print what applying the configuration FILE would change; write nothing.</source>
        <translation>读取设备并列出应用配置文件 FILE 将会改变的内容；不写入任何数据。</translation>
    </message>
</context>
<context>
    <name>Composed</name>
    <message>
        <source>%1
Setting: %2</source>
        <translation>%1
设置项：%2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>“%1”不是有效的整数值</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is outside the range 0 to %2.</source>
        <translation>“%1”超出范围 0 到 %2。</translation>
    </message>
    <message>
        <source>The password must be exactly four digits.</source>
        <translation>密码必须正好是四位数字。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds characters other than &quot;+&quot; and digits.</source>
        <translation>“%1”含有“+”和数字以外的字符。</translation>
    </message>
    <message>
        <source>%1 is not an item of the list (0 to %2).</source>
        <translation>%1 不是列表中的选项（0 到 %2）。</translation>
    </message>
    <message>
        <source>The value needs %1 bytes; the device holds at most %2.</source>
        <extracomment>%1 is a number of bytes</extracomment>
        <translation>该值需要 %1 个字节；设备最多只能保存 %2 个。</translation>
    </message>
    <message>
        <source>The text holds a control character (%1).</source>
        <extracomment>%1 is a code point such as U+001B</extracomment>
        <translation>文本含有控制字符（%1）。</translation>
    </message>
    <message>
        <source>The character &apos;%1&apos; (%2) cannot be stored in the device&apos;s code page (%3).</source>
        <extracomment>%2 is a code point such as U+00E9, %3 a code page such as CP936</extracomment>
        <translation>字符“%1”（%2）无法以设备的代码页（%3）保存。</translation>
    </message>
    <message>
        <source>profile row %1, column %2 is not text</source>
        <translation>配置文件第 %1 行第 %2 列不是文本</translation>
    </message>
    <message>
        <source>Wrong format of the setting profile</source>
        <translation>设置配置文件格式错误</translation>
    </message>
    <message>
        <source>slot %1: %2</source>
        <translation>位置 %1：%2</translation>
    </message>
    <message>
        <source>number &quot;%1&quot; is longer than %2 characters</source>
        <translation>号码“%1”超过 %2 个字符</translation>
    </message>
    <message>
        <source>number &quot;%1&quot; holds characters other than &quot;+&quot; and digits</source>
        <translation>号码“%1”含有“+”和数字以外的字符</translation>
    </message>
    <message>
        <source>%1 %2 %3 is not %4 to %5</source>
        <extracomment>&quot;start month 13 is not 1 to 12&quot;: %1 is &quot;start&quot; or &quot;end&quot;, %2 the part of the date or time</extracomment>
        <translation>%1%2 %3 不在 %4 到 %5 之间</translation>
    </message>
    <message>
        <source>line %1: %2: %3</source>
        <translation>第 %1 行：%2：%3</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>a key must be a plain name</source>
        <translation>键必须是简单的名称</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <translation>未知的键“%1”</translation>
    </message>
    <message>
        <source>unknown setting &quot;%1&quot;</source>
        <translation>未知的设置“%1”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given twice</source>
        <translation>“%1”出现了两次</translation>
    </message>
    <message>
        <source>is not a text</source>
        <translation>不是文本</translation>
    </message>
    <message>
        <source>is not true or false</source>
        <translation>不是 true 或 false</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number from 0 to 65535</source>
        <translation>“%1”不是 0 到 65535 之间的数字</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of %2</source>
        <extracomment>%2 lists the items: &quot;0&quot;, &quot;1&quot;</extracomment>
        <translation>“%1”不是以下之一：%2</translation>
    </message>
    <message>
        <source>is not a mapping of setting names to values</source>
        <translation>不是设置名称到值的映射</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date and time such as &quot;2026-01-31 18:00&quot;</source>
        <translation>“%1”不是“2026-01-31 18:00”这样的日期和时间</translation>
    </message>
    <message>
        <source>year %1 is not 2000 to 2099</source>
        <translation>年份 %1 不在 2000 到 2099 之间</translation>
    </message>
    <message>
        <source>needs a slot (1 to 1000)</source>
        <translation>需要位置（1 到 1000）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a slot from 1 to 1000</source>
        <translation>“%1”不是 1 到 1000 之间的位置</translation>
    </message>
    <message>
        <source>an erased slot holds nothing else</source>
        <translation>已删除的位置不能包含其他内容</translation>
    </message>
    <message>
        <source>needs a number (leave the slot out to keep it empty)</source>
        <translation>需要号码（要保持该位置为空，请省略该位置）</translation>
    </message>
    <message>
        <source>is empty (leave the slot out to keep it empty)</source>
        <translation>为空（要保持该位置为空，请省略该位置）</translation>
    </message>
    <message>
        <source>an entry valid always has no from or until</source>
        <translation>始终有效的条目不能有 from 或 until</translation>
    </message>
    <message>
        <source>needs always: true, or from and until, each a date and a time</source>
        <translation>需要 always: true，或 from 和 until（各为日期和时间）</translation>
    </message>
    <message>
        <source>is not a list of entries (give [] for an empty list, or leave &quot;numbers&quot; out to keep the device&apos;s list)</source>
        <translation>不是条目列表（空列表请写 []，要保留设备中的列表请省略“numbers”）</translation>
    </message>
    <message>
        <source>names more than 1000 slots</source>
        <translation>列出了超过 1000 个位置</translation>
    </message>
    <message>
        <source>is not a mapping such as {slot: 1, number: &quot;...&quot;}</source>
        <translation>不是 {slot: 1, number: &quot;...&quot;} 这样的映射</translation>
    </message>
    <message>
        <source>is named twice (first on line %1)</source>
        <translation>出现了两次（首次在第 %1 行）</translation>
    </message>
    <message>
        <source>is not &quot;%1&quot;</source>
        <translation>不是“%1”</translation>
    </message>
    <message>
        <source>is not %1, the version this program reads</source>
        <translation>不是 %1（本程序读取的版本）</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>文件大于 1 MiB</translation>
    </message>
    <message>
        <source>the file holds no document</source>
        <translation>文件不含任何文档</translation>
    </message>
    <message>
        <source>the file holds more than one document; a configuration is one</source>
        <translation>文件含有多个文档；一个配置只能是一个文档</translation>
    </message>
    <message>
        <source>%1 as the device holds it cannot be written back (%2): name it in the file</source>
        <extracomment>%1 names the setting in the file: settings.din1_type</extracomment>
        <translation>设备中的 %1 无法原样写回（%2）：请在文件中指定它</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 (%3), not %4 (%5).</source>
        <extracomment>%2 is a file&apos;s kind (&quot;a number list&quot;), %3 and %5 what its cell A1 holds</extracomment>
        <translation>“%1”是%2（%3），不是%4（%5）。</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>无法打开“%1”：%2。</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2.</source>
        <translation>无法保存“%1”：%2。</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>无法创建 %1：%2</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>文件已损坏（%1）</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>无法读取文件（%1）</translation>
    </message>
    <message>
        <source>cell %1 holds a formula; only typed values are read</source>
        <extracomment>%1 is a cell such as B5</extracomment>
        <translation>单元格 %1 含有公式；只读取输入的值</translation>
    </message>
    <message>
        <source>cell %1 lies outside %2</source>
        <extracomment>%2: &quot;A1:H23, the most a file of this kind uses&quot;</extracomment>
        <translation>单元格 %1 超出 %2</translation>
    </message>
    <message>
        <source>its sheet claims the range %1, more than %2</source>
        <translation>其工作表声明的范围为 %1，超过 %2</translation>
    </message>
    <message>
        <source>%1, the most a file of this kind uses</source>
        <extracomment>%1 is a range of cells such as A1:H23</extracomment>
        <translation>%1（此类文件使用的最大范围）</translation>
    </message>
    <message>
        <source>it holds more than %1 cells, more than any file of this program</source>
        <translation>其中超过 %1 个单元格，多于本程序的任何文件</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB, more than any workbook of this program</source>
        <translation>文件大于 %1 MiB，超过本程序的任何工作簿</translation>
    </message>
    <message>
        <source>it is not a spreadsheet workbook (.xlsx, .ods or .xls)</source>
        <translation>它不是电子表格工作簿（.xlsx、.ods 或 .xls）</translation>
    </message>
    <message>
        <source>no workbook is open</source>
        <translation>没有打开的工作簿</translation>
    </message>
    <message>
        <source>it is not a readable zip package (%1)</source>
        <translation>它不是可读取的 zip 包（%1）</translation>
    </message>
    <message>
        <source>it holds no workbook</source>
        <translation>其中没有工作簿</translation>
    </message>
    <message>
        <source>it is protected by a password</source>
        <translation>它受密码保护</translation>
    </message>
    <message>
        <source>its text is in a character set that cannot be read</source>
        <translation>其文本使用了无法读取的字符集</translation>
    </message>
    <message>
        <source>it needs more memory than any workbook of this program</source>
        <translation>它需要的内存超过本程序的任何工作簿</translation>
    </message>
    <message>
        <source>it holds more than %1 shared strings, more than any file of this program</source>
        <translation>其中超过 %1 个共享字符串，多于本程序的任何文件</translation>
    </message>
    <message>
        <source>its shared strings hold more than %1 characters, more than any file of this program</source>
        <translation>其共享字符串超过 %1 个字符，多于本程序的任何文件</translation>
    </message>
    <message>
        <source>a cell holds more than %1 characters</source>
        <translation>某个单元格超过 %1 个字符</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>无法打开文件</translation>
    </message>
    <message>
        <source>its header is not valid</source>
        <translation>其文件头无效</translation>
    </message>
    <message>
        <source>its allocation table is not valid</source>
        <translation>其分配表无效</translation>
    </message>
    <message>
        <source>its directory is not valid</source>
        <translation>其目录无效</translation>
    </message>
    <message>
        <source>a directory entry&apos;s name is too long</source>
        <translation>某个目录项的名称过长</translation>
    </message>
    <message>
        <source>read error %1</source>
        <translation>读取错误 %1</translation>
    </message>
    <message>
        <source>the part %1 is not well-formed XML (%2)</source>
        <translation>部件 %1 不是格式正确的 XML（%2）</translation>
    </message>
    <message>
        <source>the part %1 declares a document type, as no workbook does</source>
        <translation>部件 %1 声明了文档类型，而工作簿不会这样做</translation>
    </message>
    <message>
        <source>the part %1 nests its elements more than %2 deep</source>
        <translation>部件 %1 的元素嵌套超过 %2 层</translation>
    </message>
    <message>
        <source>the part %1 expands beyond %2, as no workbook does</source>
        <translation>部件 %1 解压后超过 %2，而工作簿不会这样</translation>
    </message>
    <message>
        <source>the part %1 expands more than %2 times its compressed size, as no workbook does</source>
        <translation>部件 %1 解压后超过其压缩大小的 %2 倍，而工作簿不会这样</translation>
    </message>
    <message>
        <source>the part %1 is missing</source>
        <translation>缺少部件 %1</translation>
    </message>
    <message>
        <source>the part %1 has no readable size</source>
        <translation>部件 %1 没有可读取的大小</translation>
    </message>
    <message>
        <source>the part %1 cannot be opened</source>
        <translation>无法打开部件 %1</translation>
    </message>
    <message>
        <source>the part %1 is damaged</source>
        <translation>部件 %1 已损坏</translation>
    </message>
    <message>
        <source>the workbook has no sheet</source>
        <translation>工作簿中没有工作表</translation>
    </message>
    <message>
        <source>the workbook has no worksheet</source>
        <translation>工作簿中没有工作表</translation>
    </message>
    <message>
        <source>the first worksheet has no part</source>
        <translation>第一个工作表没有对应的部件</translation>
    </message>
    <message>
        <source>a cell lies outside the sheet</source>
        <translation>某个单元格位于工作表之外</translation>
    </message>
    <message>
        <source>a row lies outside the sheet</source>
        <translation>某一行位于工作表之外</translation>
    </message>
    <message>
        <source>a run of spaces is not valid</source>
        <translation>某段连续空格无效</translation>
    </message>
    <message>
        <source>the repeat count %1 is not valid</source>
        <translation>重复次数 %1 无效</translation>
    </message>
    <message>
        <source>the number %1 is not valid</source>
        <translation>数字 %1 无效</translation>
    </message>
    <message>
        <source>the time %1 is not valid</source>
        <translation>时间 %1 无效</translation>
    </message>
    <message>
        <source>the date %1 is not valid</source>
        <translation>日期 %1 无效</translation>
    </message>
    <message>
        <source>the cell reference %1 is not valid</source>
        <translation>单元格引用 %1 无效</translation>
    </message>
    <message>
        <source>the row number %1 is not valid</source>
        <translation>行号 %1 无效</translation>
    </message>
    <message>
        <source>a cell names the shared string %1, which is missing</source>
        <translation>某个单元格引用的共享字符串 %1 不存在</translation>
    </message>
    <message>
        <source>its reader&apos;s answer is malformed</source>
        <translation>其读取程序的应答格式错误</translation>
    </message>
    <message>
        <source>its reader used more than %1 s of processor time</source>
        <translation>其读取程序使用的处理器时间超过 %1 秒</translation>
    </message>
    <message>
        <source>its reader crashed, signal %1</source>
        <translation>其读取程序崩溃，信号 %1</translation>
    </message>
    <message>
        <source>its reader failed, status %1</source>
        <translation>其读取程序失败，状态 %1</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>未安装 %1</translation>
    </message>
    <message>
        <source>its reader did not start: %1</source>
        <translation>其读取程序未能启动：%1</translation>
    </message>
    <message>
        <source>its reader wrote more than %1 MiB</source>
        <translation>其读取程序写出的数据超过 %1 MiB</translation>
    </message>
    <message>
        <source>its reader took more than %1 s</source>
        <translation>其读取程序耗时超过 %1 秒</translation>
    </message>
    <message>
        <source>the workbook cannot be made in memory</source>
        <translation>无法在内存中生成工作簿</translation>
    </message>
    <message>
        <source>the file being written was replaced by another</source>
        <translation>正在写入的文件已被另一个文件替换</translation>
    </message>
    <message>
        <source>no space left on the device</source>
        <translation>磁盘空间不足</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>磁盘配额已用完</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>权限不足</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>文件系统为只读</translation>
    </message>
    <message>
        <source>input/output error on the device</source>
        <translation>磁盘输入/输出错误</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>文件夹不存在</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>路径中的某一部分不是文件夹</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>它是一个文件夹</translation>
    </message>
    <message>
        <source>a file of that name exists already</source>
        <translation>同名文件已存在</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>名称过长</translation>
    </message>
    <message>
        <source>the file is too large for the file system</source>
        <translation>文件对该文件系统而言过大</translation>
    </message>
    <message>
        <source>too many symbolic links</source>
        <translation>符号链接过多</translation>
    </message>
    <message>
        <source>the file is busy</source>
        <translation>文件正忙</translation>
    </message>
    <message>
        <source>the reading end was closed</source>
        <translation>读取端已关闭</translation>
    </message>
    <message>
        <source>start</source>
        <extracomment>the start of a period: &quot;start month 13 is not 1 to 12&quot;</extracomment>
        <translation>开始</translation>
    </message>
    <message>
        <source>end</source>
        <extracomment>the end of a period: &quot;end day 32 is not 1 to 31&quot;</extracomment>
        <translation>结束</translation>
    </message>
    <message>
        <source>year</source>
        <translation>年份</translation>
    </message>
    <message>
        <source>month</source>
        <translation>月份</translation>
    </message>
    <message>
        <source>day</source>
        <translation>日</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>a settings profile</source>
        <translation>设置配置文件</translation>
    </message>
    <message>
        <source>a number list</source>
        <translation>号码列表</translation>
    </message>
    <message>
        <source>Wrong operation:please select &quot;Always&quot; or setting the Start-End date and time.Total:%1
Wrong serial number:%2</source>
        <translation>操作错误：请选择“始终”或设置起止日期和时间。总数：%1
错误序号：%2</translation>
    </message>
    <message>
        <source>Wrong number, date or time:please correct the number (&quot;+&quot; and digits, at most 22) or the date (2000-2099/01-12/01-31) and time (00-23:00-59).Total:%1
Wrong serial number:%2</source>
        <translation>号码、日期或时间错误：请更正号码（“+”和数字，最多 22 个）或日期（2000-2099/01-12/01-31）和时间（00-23:00-59）。总数：%1
错误序号：%2</translation>
    </message>
    <message>
        <source>Wrong information on the profile,please correct it and then import again,error:%1
Serial: %2</source>
        <translation>文件中的信息有误，请更正后重新导入，错误：%1
序号：%2</translation>
    </message>
    <message>
        <source>settings page %1: %2</source>
        <translation>设置第 %1 页：%2</translation>
    </message>
    <message>
        <source>the backup records no write to undo</source>
        <translation>该备份没有记录可撤销的写入</translation>
    </message>
    <message>
        <source>this is another device: the write went through adapter %1, this port is adapter %2</source>
        <extracomment>%1 and %2 are the serial numbers of USB adapters</extracomment>
        <translation>这是另一台设备：写入时使用的是适配器 %1，此端口是适配器 %2</translation>
    </message>
    <message>
        <source>this is another device: the write left SIM number &quot;%1&quot;, the device holds &quot;%2&quot;</source>
        <translation>这是另一台设备：写入后的 SIM 号码为“%1”，设备中为“%2”</translation>
    </message>
    <message>
        <source>the %1 were not read</source>
        <extracomment>%1 is an area of the device: settings, numbers or history</extracomment>
        <translation>未读取%1</translation>
    </message>
    <message>
        <source>%1 holds %2 pages, not %3</source>
        <translation>%1含有 %2 页，而不是 %3 页</translation>
    </message>
    <message>
        <source>%1 page %2 is out of order</source>
        <translation>%1第 %2 页顺序错误</translation>
    </message>
    <message>
        <source>%1 page %2 is not 256 bytes of hex</source>
        <translation>%1第 %2 页不是 256 字节的十六进制数据</translation>
    </message>
    <message>
        <source>%1 page %2 does not match its checksum</source>
        <translation>%1第 %2 页与其校验和不符</translation>
    </message>
    <message>
        <source>the write record holds %1 %2 digests, not %3</source>
        <translation>写入记录含有 %1 个%2摘要，而不是 %3 个</translation>
    </message>
    <message>
        <source>the write record holds a %1 digest that is no SHA-256</source>
        <translation>写入记录中的一个%1摘要不是 SHA-256</translation>
    </message>
    <message>
        <source>the write record says nothing of what the write left</source>
        <translation>写入记录没有说明写入后的内容</translation>
    </message>
    <message>
        <source>not a backup file (no JSON object)</source>
        <translation>不是备份文件（没有 JSON 对象）</translation>
    </message>
    <message>
        <source>not a backup file of this program</source>
        <translation>不是本程序的备份文件</translation>
    </message>
    <message>
        <source>backup version %1 is not supported</source>
        <translation>不支持备份版本 %1</translation>
    </message>
    <message>
        <source>the backup holds no pages</source>
        <translation>备份中没有任何页</translation>
    </message>
    <message>
        <source>the backup holds no settings or number pages</source>
        <translation>备份中没有设置页或号码页</translation>
    </message>
    <message>
        <source>every backup name is taken</source>
        <translation>所有备份名称都已被占用</translation>
    </message>
    <message>
        <source>settings</source>
        <extracomment>an area of the device</extracomment>
        <translation>设置</translation>
    </message>
    <message>
        <source>numbers</source>
        <extracomment>an area of the device: the list of authorized numbers</extracomment>
        <translation>号码</translation>
    </message>
    <message>
        <source>history</source>
        <extracomment>an area of the device: its history records</extracomment>
        <translation>历史记录</translation>
    </message>
    <message>
        <source>the device has changed since that write: %1 page %2 differs from what it left</source>
        <extracomment>%1 is an area of the device: settings, numbers or history</extracomment>
        <translation>自那次写入以来设备已改变：%1第 %2 页与写入后不同</translation>
    </message>
    <message>
        <source>the device has changed since that write: %1 pages %2 differ from what it left</source>
        <extracomment>%2 lists pages: &quot;1-3, 5&quot;</extracomment>
        <translation>自那次写入以来设备已改变：%1第 %2 页与写入后不同</translation>
    </message>
</context>
<context>
    <name>DeviceJob</name>
    <message>
        <source>opening</source>
        <translation>正在打开</translation>
    </message>
    <message>
        <source>logging in</source>
        <translation>正在登录</translation>
    </message>
    <message>
        <source>reading %1</source>
        <extracomment>Progress; %1 is the area read: settings, numbers or history</extracomment>
        <translation>正在读取%1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>written to stdout</source>
        <translation>已写入 stdout</translation>
    </message>
    <message>
        <source>written to %1</source>
        <translation>已写入 %1</translation>
    </message>
    <message>
        <source>%1 pages differ</source>
        <translation>%1 页不同</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>无变化</translation>
    </message>
    <message>
        <source>backup: %1</source>
        <translation>备份：%1</translation>
    </message>
    <message>
        <source>writing %1</source>
        <translation>正在写入%1</translation>
    </message>
    <message>
        <source>verifying %1</source>
        <translation>正在校验%1</translation>
    </message>
    <message>
        <source>verify: %1 pages %2 differ from what was written</source>
        <translation>校验：%1 第 %2 页与写入的内容不同</translation>
    </message>
    <message>
        <source>nothing to undo: no automatic backup of %1 in %2</source>
        <translation>无可撤销：%2 中没有 %1 的自动备份</translation>
    </message>
    <message>
        <source>%1 refused, nothing sent: %2</source>
        <translation>%1 被拒绝，未发送任何数据：%2</translation>
    </message>
    <message>
        <source>undoing: %1</source>
        <translation>正在撤销：%1</translation>
    </message>
    <message>
        <source>setting the clock</source>
        <translation>正在设置时钟</translation>
    </message>
    <message>
        <source>deleting the history</source>
        <translation>正在删除历史记录</translation>
    </message>
    <message>
        <source>nothing written: cannot save the backup: %1</source>
        <translation>未写入任何数据：无法保存备份：%1</translation>
    </message>
    <message>
        <source>settings</source>
        <extracomment>The device&apos;s areas as progress names them: &quot;reading settings&quot;</extracomment>
        <translation>设置</translation>
    </message>
    <message>
        <source>numbers</source>
        <translation>号码</translation>
    </message>
    <message>
        <source>history</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <source>nothing sent: %1</source>
        <translation>未发送任何数据：%1</translation>
    </message>
</context>
<context>
    <name>DeviceTexts</name>
    <message>
        <source>Read stopped at page %1 of %2</source>
        <translation>读取在第 %1 页（共 %2 页）处中止</translation>
    </message>
    <message>
        <source>Save stopped at page %1 of %2</source>
        <translation>保存在第 %1 页（共 %2 页）处中止</translation>
    </message>
    <message>
        <source>Sending command</source>
        <translation>正在发送命令</translation>
    </message>
    <message>
        <source>Read settings</source>
        <translation>读取设置</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>保存设置</translation>
    </message>
    <message>
        <source>Save list</source>
        <translation>保存列表</translation>
    </message>
    <message>
        <source>Reading telephone number information</source>
        <translation>正在读取电话号码信息</translation>
    </message>
    <message>
        <source>Reading historical data</source>
        <translation>正在读取历史数据</translation>
    </message>
    <message>
        <source>Deleting historical data</source>
        <translation>正在删除历史数据</translation>
    </message>
    <message>
        <source>Entering checking mode</source>
        <translation>正在进入检测模式</translation>
    </message>
    <message>
        <source>Password verifing</source>
        <translation>正在验证密码</translation>
    </message>
    <message>
        <source>Data communication</source>
        <translation>数据通信中</translation>
    </message>
    <message>
        <source>Invalid data</source>
        <translation>无效数据</translation>
    </message>
    <message>
        <source>Reading basic setting</source>
        <translation>正在读取基本设置</translation>
    </message>
    <message>
        <source>Reading number list:</source>
        <extracomment>Status bar; the page number and count follow: &quot;Reading number list:7/125&quot;</extracomment>
        <translation>正在读取号码列表:</translation>
    </message>
    <message>
        <source>Reading historical data:</source>
        <translation>正在读取历史数据:</translation>
    </message>
    <message>
        <source>Save basic settings</source>
        <translation>保存基本设置</translation>
    </message>
    <message>
        <source>Save number list:</source>
        <translation>保存号码列表:</translation>
    </message>
    <message>
        <source>Receives the data synchronization command returns</source>
        <translation>已收到时间同步命令的应答</translation>
    </message>
    <message>
        <source>Checking mode</source>
        <translation>检测模式</translation>
    </message>
    <message>
        <source>Delete command</source>
        <translation>删除命令</translation>
    </message>
    <message>
        <source>Read the GSM device basic parameters to PC software?</source>
        <translation>将GSM设备的基本参数读取到PC软件？</translation>
    </message>
    <message>
        <source>Read the Authorized number list from GSM device to PC software?</source>
        <translation>将授权号码列表从GSM设备读取到PC软件？</translation>
    </message>
    <message>
        <source>Warning: Thie operation will DELETE all of the historical data on GSM device! </source>
        <translation>警告：此操作将删除GSM设备上的全部历史数据！</translation>
    </message>
    <message>
        <source>Password confirmed!</source>
        <translation>密码正确！</translation>
    </message>
    <message>
        <source>Password Error!</source>
        <translation>密码错误！</translation>
    </message>
    <message>
        <source>Receive timeout</source>
        <translation>接收超时</translation>
    </message>
    <message>
        <source>Basic settings read to PC software success.</source>
        <translation>基本设置已成功读取到PC软件。</translation>
    </message>
    <message>
        <source>Basic setting saved success</source>
        <translation>基本设置保存成功</translation>
    </message>
    <message>
        <source>Basic setting error</source>
        <translation>基本设置错误</translation>
    </message>
    <message>
        <source>Authorized number list read to PC software success.</source>
        <translation>授权号码列表已成功读取到PC软件。</translation>
    </message>
    <message>
        <source>Authorized number list saved success</source>
        <translation>授权号码列表保存成功</translation>
    </message>
    <message>
        <source>Number list data error</source>
        <translation>号码列表数据错误</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>Message: the device answered that it entered its checking mode</extracomment>
        <translation>已进入</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>Message: the device refused to enter its checking mode</extracomment>
        <translation>错误</translation>
    </message>
    <message>
        <source>Historical data deleted</source>
        <translation>历史数据已删除</translation>
    </message>
    <message>
        <source>Historical data delet error</source>
        <translation>历史数据删除错误</translation>
    </message>
    <message>
        <source>The COM port is not open. Open it first, then try again.</source>
        <translation>串口未打开。请先打开串口，然后重试。</translation>
    </message>
    <message>
        <source>The device was disconnected. Check the cable, open the port again and log in.</source>
        <translation>设备已断开连接。请检查数据线，重新打开串口并登录。</translation>
    </message>
    <message>
        <source>The device has not answered the last request yet. Try again in a moment.</source>
        <translation>设备尚未应答上一个请求。请稍后重试。</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Saved to %1</source>
        <extracomment>Status bar text after the first file saved in the user&apos;s configuration folder</extracomment>
        <translation>已保存到 %1</translation>
    </message>
    <message>
        <source>The configuration folder cannot be created.</source>
        <translation>无法创建配置文件夹。</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>无法创建文件“%1”。%2</translation>
    </message>
    <message>
        <source>EXCEL file</source>
        <translation>EXCEL 文件</translation>
    </message>
</context>
<context>
    <name>HelpPicture</name>
    <message>
        <source>Insert the SIM card</source>
        <translation>插入SIM卡</translation>
    </message>
    <message>
        <source>Put the SIM card into the holder of the device.</source>
        <translation>将SIM卡插入设备的SIM卡座。</translation>
    </message>
    <message>
        <source>Power the device</source>
        <translation>接通电源</translation>
    </message>
    <message>
        <source>Connect the power supply and wait until the device has started.</source>
        <translation>接通电源，等待设备启动完成。</translation>
    </message>
    <message>
        <source>Connect it by USB</source>
        <translation>用USB连接</translation>
    </message>
    <message>
        <source>Connect the device to this PC with the USB cable.</source>
        <translation>用USB数据线将设备连接到本电脑。</translation>
    </message>
    <message>
        <source>Pick its port</source>
        <translation>选择串口</translation>
    </message>
    <message>
        <source>Choose the device&apos;s serial port in the &quot;COM Port:&quot; box at the top.</source>
        <translation>在顶部的“串口:”框中选择设备的串口。</translation>
    </message>
    <message>
        <source>Press Open</source>
        <translation>点击“打开”</translation>
    </message>
    <message>
        <source>The indicator at the lower left turns from red to green.</source>
        <translation>左下角的指示灯由红色变为绿色。</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Type the device password (factory setting 7145) and press &quot;Log in&quot;.</source>
        <translation>输入设备密码（出厂设置为7145），然后点击“登录”。</translation>
    </message>
    <message>
        <source>Read the settings</source>
        <translation>读取设置</translation>
    </message>
    <message>
        <source>On the Basic Settings tab press &quot;Read Settings&quot;.</source>
        <translation>在“基本设置”页点击“读取设置”。</translation>
    </message>
    <message>
        <source>Edit and save them</source>
        <translation>修改并保存</translation>
    </message>
    <message>
        <source>Change the values in the grid, then press &quot;Save Settings&quot;.</source>
        <translation>在表格中修改参数，然后点击“保存设置”。</translation>
    </message>
    <message>
        <source>Restart the device</source>
        <translation>重启设备</translation>
    </message>
    <message>
        <source>Disconnect the device and power it up again.</source>
        <translation>断开设备连接，然后重新上电。</translation>
    </message>
    <message>
        <source>Setting up the GSM gate opener</source>
        <translation>GSM开门器设置步骤</translation>
    </message>
    <message>
        <source>Nine steps from the box to a configured device</source>
        <translation>九步完成设备配置</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Serial</source>
        <extracomment>History headers: row, record number, date, time, source, event, phone number, text</extracomment>
        <translation>序号</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>编号</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>From</source>
        <translation>来源</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>动作</translation>
    </message>
    <message>
        <source>Executant</source>
        <translation>执行者</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>内容</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>CODE</source>
        <extracomment>Placeholder of --language&apos;s value in --help</extracomment>
        <translation>CODE</translation>
    </message>
    <message>
        <source>Show the program in language CODE (en, de, zh_CN); by default the language of the user&apos;s locale.</source>
        <translation>以 CODE 语言（en、de、zh_CN）显示程序；默认使用用户区域设置的语言。</translation>
    </message>
</context>
<context>
    <name>ListDialog</name>
    <message>
        <source>Position list</source>
        <translation>位置列表</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Log in</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>COM Port:</source>
        <translation>串口:</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Button: opens the serial port (it reads &quot;Close&quot; while the port is open)</extracomment>
        <translation>打开</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密码:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Basic Settings</source>
        <translation>基本设置</translation>
    </message>
    <message>
        <source>Number List</source>
        <translation>号码列表</translation>
    </message>
    <message>
        <source>Historical Data</source>
        <translation>历史数据</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Read Settings</source>
        <translation>读取设置</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>保存设置</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>导入配置</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>导出配置</translation>
    </message>
    <message>
        <source>Basic settings</source>
        <translation>基本设置</translation>
    </message>
    <message>
        <source>DIN1 Type</source>
        <translation>DIN1类型</translation>
    </message>
    <message>
        <source>DIN2 Type</source>
        <translation>DIN2类型</translation>
    </message>
    <message>
        <source>Arm/Disarm after power on</source>
        <translation>上电后布防/撤防</translation>
    </message>
    <message>
        <source>Relay Control Authorization</source>
        <translation>继电器控制权限</translation>
    </message>
    <message>
        <source>Notify when relay switches ON</source>
        <translation>继电器开启时通知</translation>
    </message>
    <message>
        <source>Notify when relay switches OFF</source>
        <translation>继电器关闭时通知</translation>
    </message>
    <message>
        <source>Read</source>
        <extracomment>Button: reads the authorized number list from the device</extracomment>
        <translation>读取</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Button: saves the authorized number list to the device</extracomment>
        <translation>保存</translation>
    </message>
    <message>
        <source>Import .XLS</source>
        <translation>导入 .XLS</translation>
    </message>
    <message>
        <source>Export .XLS</source>
        <translation>导出 .XLS</translation>
    </message>
    <message>
        <source>Export .CSV</source>
        <translation>导出 .CSV</translation>
    </message>
    <message>
        <source>All Always</source>
        <translation>全部永久</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>全部删除</translation>
    </message>
    <message>
        <source>Authorized number list</source>
        <translation>授权号码列表</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>开始日期</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>End date</source>
        <translation>结束日期</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Read data</source>
        <translation>读取数据</translation>
    </message>
    <message>
        <source>Start:</source>
        <extracomment>Label before the history filter&apos;s start date and time</extracomment>
        <translation>开始:</translation>
    </message>
    <message>
        <source>End:</source>
        <extracomment>Label before the history filter&apos;s end date and time</extracomment>
        <translation>结束:</translation>
    </message>
    <message>
        <source>Filter</source>
        <extracomment>Button: keeps the history events between the start and end picked</extracomment>
        <translation>筛选</translation>
    </message>
    <message>
        <source>Export.CSV</source>
        <translation>导出.CSV</translation>
    </message>
    <message>
        <source>Export.XLS</source>
        <translation>导出.XLS</translation>
    </message>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <source>Setup steps</source>
        <translation>设置步骤</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Port open</source>
        <translation>串口已打开</translation>
    </message>
    <message>
        <source>Port closed</source>
        <translation>串口已关闭</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>OK(&amp;Y)</source>
        <extracomment>Confirms a read; Y is the key that presses it</extracomment>
        <translation>确定(&amp;Y)</translation>
    </message>
    <message>
        <source>Cancel(&amp;N)</source>
        <extracomment>Refuses a read; N is the key that presses it</extracomment>
        <translation>取消(&amp;N)</translation>
    </message>
    <message>
        <source>A transfer to the device is in progress. Stop it and close?</source>
        <translation>正在与设备传输数据。是否停止并关闭？</translation>
    </message>
</context>
<context>
    <name>NumberList</name>
    <message>
        <source>Serial</source>
        <extracomment>Number grid headers; (V) marks a tick column</extracomment>
        <translation>序号</translation>
    </message>
    <message>
        <source>Authorized number</source>
        <translation>授权号码</translation>
    </message>
    <message>
        <source>Start Date</source>
        <translation>开始日期</translation>
    </message>
    <message>
        <source>Start Time </source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>End Date</source>
        <translation>结束日期</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Always(V)</source>
        <translation>永久(V)</translation>
    </message>
    <message>
        <source>Delete(V)</source>
        <translation>删除(V)</translation>
    </message>
</context>
<context>
    <name>PageControl</name>
    <message>
        <source>Basic</source>
        <extracomment>First and second line of the &quot;Basic Settings&quot; tab label (about 9 letters each)</extracomment>
        <translation>基本</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Number</source>
        <extracomment>First and second line of the &quot;Number List&quot; tab label</extracomment>
        <translation>号码</translation>
    </message>
    <message>
        <source>List</source>
        <translation>列表</translation>
    </message>
    <message>
        <source>Historical</source>
        <extracomment>First and second line of the &quot;Historical Data&quot; tab label</extracomment>
        <translation>历史</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>数据</translation>
    </message>
</context>
<context>
    <name>Password</name>
    <message>
        <source>cannot read the password file %1: %2</source>
        <translation>无法读取密码文件 %1：%2</translation>
    </message>
    <message>
        <source>the password file %1 may be read or written by other users (mode 0%2): make it the owner&apos;s alone (chmod 600)</source>
        <translation>密码文件 %1 可被其他用户读取或写入（模式 0%2）：请仅允许所有者访问（chmod 600）</translation>
    </message>
    <message>
        <source>Device password (Enter for the factory one): </source>
        <translation>设备密码（按 Enter 使用出厂密码）： </translation>
    </message>
</context>
<context>
    <name>PortArguments</name>
    <message>
        <source>simulators not listed: %1</source>
        <translation>未列出模拟器：%1</translation>
    </message>
</context>
<context>
    <name>PortController</name>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: closes the serial port</extracomment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>COM Port error</source>
        <translation>串口错误</translation>
    </message>
    <message>
        <source>Permission denied. Add your user to the &apos;dialout&apos; group and log in again.</source>
        <translation>权限被拒绝。请将当前用户加入 &apos;dialout&apos; 组，然后重新登录。</translation>
    </message>
</context>
<context>
    <name>ProgramOptions</name>
    <message>
        <source>Configuration program for the GSM gate opener: reads and saves its settings, authorized numbers and event history over a USB-to-UART serial port.</source>
        <translation>GSM开门器配置程序：通过USB转UART串口读取和保存其设置、授权号码和事件历史。</translation>
    </message>
    <message>
        <source>Write one JSON line per frame sent or received to FILE, for support.</source>
        <translation>将发送或接收的每一帧作为一行 JSON 写入 FILE，供技术支持使用。</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>Placeholder of --trace&apos;s value in --help</extracomment>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Print the monotonic clock time, in nanoseconds, at which the window&apos;s first frame was painted, and quit; for start-up benchmarks.</source>
        <translation>输出窗口第一帧绘制完成时的单调时钟时间（纳秒）并退出；用于启动性能测试。</translation>
    </message>
    <message>
        <source>Try &quot;gsmgate --help&quot;.</source>
        <translation>请运行“gsmgate --help”查看帮助。</translation>
    </message>
</context>
<context>
    <name>ProgressBoard</name>
    <message>
        <source>waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>失败</translation>
    </message>
</context>
<context>
    <name>Runner</name>
    <message>
        <source>%1 refused, nothing sent: %2</source>
        <translation>%1 被拒绝，未发送任何数据：%2</translation>
    </message>
    <message>
        <source>%1 is no regular file and takes the data of one device only</source>
        <translation>%1 不是普通文件，只能接收一台设备的数据</translation>
    </message>
    <message>
        <source>%1 and %2 would both write %3: give ports whose names differ, or one --port at a time</source>
        <translation>%1 和 %2 都会写入 %3：请给出名称不同的串口，或每次只给一个 --port</translation>
    </message>
    <message>
        <source>%1 exists, and a backup never replaces a file: remove it or name another</source>
        <translation>%1 已存在，备份从不覆盖文件：请删除它或另起一个名称</translation>
    </message>
    <message>
        <source>no port matches %1</source>
        <translation>没有与 %1 匹配的串口</translation>
    </message>
    <message>
        <source>no port to work on</source>
        <translation>没有可处理的串口</translation>
    </message>
    <message>
        <source>- (stdout) takes the data of one device only</source>
        <translation>- (stdout) 只能接收一台设备的数据</translation>
    </message>
    <message>
        <source>cannot write the trace %1: %2</source>
        <translation>无法写入跟踪文件 %1：%2</translation>
    </message>
    <message>
        <source>backup of %1: %2</source>
        <translation>%1 的备份：%2</translation>
    </message>
</context>
<context>
    <name>SerialPort</name>
    <message>
        <source>Error opening serial port</source>
        <translation>打开串口出错</translation>
    </message>
    <message>
        <source>Cannot setup comm buffer</source>
        <translation>无法设置通信缓冲区</translation>
    </message>
    <message>
        <source>This serial port already opened</source>
        <translation>该串口已打开</translation>
    </message>
    <message>
        <source>File handle is not a comm handle </source>
        <translation>该文件句柄不是串口句柄 </translation>
    </message>
    <message>
        <source>Cannot set up the serial line</source>
        <translation>无法设置串行线路</translation>
    </message>
    <message>
        <source>Unable to create event</source>
        <translation>无法创建事件</translation>
    </message>
    <message>
        <source>Unable to create read thread</source>
        <translation>无法创建读线程</translation>
    </message>
    <message>
        <source>Unable to create write thread</source>
        <translation>无法创建写线程</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Up to 40 characters</source>
        <translation>最多40个字符</translation>
    </message>
    <message>
        <source>Call mobile operator to ask the APN name if you need data function</source>
        <translation>如需数据功能，请向移动运营商询问APN名称</translation>
    </message>
    <message>
        <source>Default3:Admin Number;Caller Number</source>
        <translation>默认3:管理员号码;来电号码</translation>
    </message>
    <message>
        <source>1.Password</source>
        <translation>1.密码</translation>
    </message>
    <message>
        <source>Default Password:7145</source>
        <translation>默认密码:7145</translation>
    </message>
    <message>
        <source>2.SIM Card Phone No</source>
        <translation>2.SIM卡电话号码</translation>
    </message>
    <message>
        <source>Up to 21 digits, supports country code</source>
        <translation>最多21位数字，支持国家代码</translation>
    </message>
    <message>
        <source>3.DIN1 Type</source>
        <translation>3.DIN1类型</translation>
    </message>
    <message>
        <source>Default:NO</source>
        <translation>默认:NO</translation>
    </message>
    <message>
        <source>4.DIN2 Type</source>
        <translation>4.DIN2类型</translation>
    </message>
    <message>
        <source>5.DIN1 Alarm Content</source>
        <translation>5.DIN1报警内容</translation>
    </message>
    <message>
        <source>6.DIN2 Alarm Content</source>
        <translation>6.DIN2报警内容</translation>
    </message>
    <message>
        <source>7.Auto Arm after authorized number call-in(0~999)</source>
        <translation>7.授权号码来电后自动布防(0~999)</translation>
    </message>
    <message>
        <source>Default:10,Unit:Minute.Setting to 0 means Disable Auto Alarm.</source>
        <translation>默认:10,单位:分钟。设为0表示关闭自动布防。</translation>
    </message>
    <message>
        <source>8.Arm/Disarm after power on</source>
        <translation>8.上电后布防/撤防</translation>
    </message>
    <message>
        <source>Default:Disarm. System will alarm only on Arm status</source>
        <translation>默认:撤防。系统仅在布防状态下报警</translation>
    </message>
    <message>
        <source>9.Relay Control Authorization</source>
        <translation>9.继电器控制权限</translation>
    </message>
    <message>
        <source>Default:Only authorized number(s) can call to control</source>
        <translation>默认:仅授权号码可来电控制</translation>
    </message>
    <message>
        <source>10.Relay swtich ON timer(0~999, Unit:Second)</source>
        <translation>10.继电器开启时间(0~999,单位:秒)</translation>
    </message>
    <message>
        <source>Default:0,means relay ON 0.5 seconds then OFF after call in</source>
        <translation>默认:0,表示来电后继电器开启0.5秒后关闭</translation>
    </message>
    <message>
        <source>11.When relay switch ON by authorized number,notify</source>
        <translation>11.授权号码开启继电器时通知</translation>
    </message>
    <message>
        <source>12.When relay switch OFF by authorized number,notify</source>
        <translation>12.授权号码关闭继电器时通知</translation>
    </message>
    <message>
        <source>13.SMS content when relay ON</source>
        <translation>13.继电器开启时的短信内容</translation>
    </message>
    <message>
        <source>14.SMS content when relay OFF</source>
        <translation>14.继电器关闭时的短信内容</translation>
    </message>
    <message>
        <source>15.Power source failure alarm delay(0~999,Unit:Min)</source>
        <translation>15.断电报警延时(0~999,单位:分钟)</translation>
    </message>
    <message>
        <source>Default:999,means no alarm.Setting as 000,alarm SMS once power failure.</source>
        <translation>默认:999,表示不报警。设为000,断电即发送报警短信。</translation>
    </message>
    <message>
        <source>16.Self-Check Report Interval(0-999,Unit:Hour)</source>
        <translation>16.自检报告间隔(0-999,单位:小时)</translation>
    </message>
    <message>
        <source>Default:0,means no report</source>
        <translation>默认:0,表示不报告</translation>
    </message>
    <message>
        <source>17.GPRS Data Upload Interval Time(0-9999,Unit:Min)</source>
        <translation>17.GPRS数据上传间隔(0-9999,单位:分钟)</translation>
    </message>
    <message>
        <source>Default:9999,disable.Setting as 0 means always on line</source>
        <translation>默认:9999,禁用。设为0表示始终在线</translation>
    </message>
    <message>
        <source>18.Server IP Address</source>
        <translation>18.服务器IP地址</translation>
    </message>
    <message>
        <source>Up to 32 characters</source>
        <translation>最多32个字符</translation>
    </message>
    <message>
        <source>19.Server Port(0-65535)</source>
        <translation>19.服务器端口(0-65535)</translation>
    </message>
    <message>
        <source>Default:65535</source>
        <translation>默认:65535</translation>
    </message>
    <message>
        <source>20.GPRS APN</source>
        <translation>20.GPRS APN</translation>
    </message>
    <message>
        <source>21.GPRS User Name</source>
        <translation>21.GPRS用户名</translation>
    </message>
    <message>
        <source>22.GPRS Password</source>
        <translation>22.GPRS密码</translation>
    </message>
    <message>
        <source>Items</source>
        <extracomment>Settings grid headers: the setting, its value, what it means</extracomment>
        <translation>项目</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>0:NC </source>
        <translation>0:常闭</translation>
    </message>
    <message>
        <source>1:NO</source>
        <translation>1:常开</translation>
    </message>
    <message>
        <source>0:Disarm</source>
        <translation>0:撤防</translation>
    </message>
    <message>
        <source>1:Arm</source>
        <translation>1:布防</translation>
    </message>
    <message>
        <source>0:Allow all numbers to control the Relay</source>
        <translation>0:允许所有号码控制继电器</translation>
    </message>
    <message>
        <source>1:Only authorized numbers can control the relay</source>
        <translation>1:仅授权号码可控制继电器</translation>
    </message>
    <message>
        <source>0:None</source>
        <translation>0:无</translation>
    </message>
    <message>
        <source>1:Admin Number</source>
        <translation>1:管理员号码</translation>
    </message>
    <message>
        <source>2:Caller Number</source>
        <translation>2:来电号码</translation>
    </message>
    <message>
        <source>3:Admin &amp; Caller Number</source>
        <translation>3:管理员和来电号码</translation>
    </message>
</context>
<context>
    <name>SettingsTab</name>
    <message>
        <source>The first page</source>
        <translation>第一页</translation>
    </message>
    <message>
        <source>The second page</source>
        <translation>第二页</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
</context>
<context>
    <name>StatusTexts</name>
    <message>
        <source>historical information records:</source>
        <translation>历史记录:</translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation>保存配置</translation>
    </message>
    <message>
        <source>Load profile</source>
        <translation>加载配置</translation>
    </message>
    <message>
        <source>Import.xls</source>
        <translation>导入.xls</translation>
    </message>
    <message>
        <source>Export.csv:</source>
        <translation>导出.csv:</translation>
    </message>
    <message>
        <source>Save:</source>
        <translation>保存:</translation>
    </message>
    <message>
        <source>Ready to order</source>
        <translation>准备排序</translation>
    </message>
    <message>
        <source>Records:</source>
        <translation>记录:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>加载中</translation>
    </message>
    <message>
        <source>Sort date</source>
        <translation>按日期排序</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>记录</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>FAILED: %1</source>
        <translation>失败：%1</translation>
    </message>
    <message>
        <source>ok, unchanged</source>
        <translation>成功，无变化</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>PORT</source>
        <extracomment>Headers of the summary table the tool prints after its devices</extracomment>
        <translation>串口</translation>
    </message>
    <message>
        <source>SIM NUMBER</source>
        <translation>SIM 号码</translation>
    </message>
    <message>
        <source>OPERATION</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>PAGES</source>
        <translation>页数</translation>
    </message>
    <message>
        <source>TIME</source>
        <translation>用时</translation>
    </message>
    <message>
        <source>RESULT</source>
        <translation>结果</translation>
    </message>
</context>
<context>
    <name>UndoLastSave</name>
    <message>
        <source>%1 %2</source>
        <extracomment>A count and what is counted: &quot;3 settings&quot;</extracomment>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>setting</source>
        <translation>项设置</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>项设置</translation>
    </message>
    <message>
        <source>number entry</source>
        <translation>个号码条目</translation>
    </message>
    <message>
        <source>number entries</source>
        <translation>个号码条目</translation>
    </message>
    <message>
        <source>page</source>
        <translation>页</translation>
    </message>
    <message>
        <source>pages</source>
        <translation>页</translation>
    </message>
    <message>
        <source>Undo last save? This changes back %1.</source>
        <extracomment>%1 lists what changes back: &quot;3 settings and 2 number entries&quot;</extracomment>
        <translation>撤销上次保存？这将恢复%1。</translation>
    </message>
    <message>
        <source> and </source>
        <translation>和</translation>
    </message>
    <message>
        <source>&amp;Undo last save</source>
        <translation>撤销上次保存(&amp;U)</translation>
    </message>
    <message>
        <source>Put back what the device held before the last save (Ctrl+Shift+Z)</source>
        <translation>恢复上次保存之前设备中的内容（Ctrl+Shift+Z）</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <extracomment>Accessible name of a grid&apos;s context menu; %1 is the grid&apos;s name</extracomment>
        <translation>%1菜单</translation>
    </message>
    <message>
        <source>Nothing to undo: there is no backup of a save to %1 in %2</source>
        <translation>无可撤销：%2 中没有保存到 %1 时的备份</translation>
    </message>
    <message>
        <source>Not undone, nothing sent: %1: %2</source>
        <translation>未撤销，未发送任何数据：%1：%2</translation>
    </message>
    <message>
        <source>Not undone, nothing sent: %1 (%2 &quot;%3&quot;)</source>
        <translation>未撤销，未发送任何数据：%1（%2“%3”）</translation>
    </message>
    <message>
        <source>Nothing to undo: the device holds what %1 holds already</source>
        <translation>无可撤销：设备中的内容已与 %1 相同</translation>
    </message>
</context>
</TS>
