<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_TW">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>關於 Zarni</source>
        <translation>About Zarni</translation>
    </message>
    <message>
        <source>確定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CArrayCells</name>
    <message>
        <source>陣列</source>
        <translation>Array</translation>
    </message>
</context>
<context>
    <name>CArrayPanel</name>
    <message>
        <source>陣列</source>
        <translation>Array</translation>
    </message>
    <message>
        <source>節點 %1：</source>
        <translation>Node %1: </translation>
    </message>
</context>
<context>
    <name>CCodePanel</name>
    <message>
        <source>程式碼</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>第 %1 / %2 步&#x3000;比較 %3 次&#x3000;搬移 %4 次</source>
        <translation>Step %1 / %2    comparisons %3    moves %4</translation>
    </message>
    <message>
        <source>第 %1 / %2 步&#x3000;走過 %3 個節點&#x3000;合併 %4 次</source>
        <translation>Step %1 / %2&#x3000;nodes visited %3&#x3000;values combined %4</translation>
    </message>
</context>
<context>
    <name>CDialogButtons</name>
    <message>
        <source>確定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CDocument</name>
    <message>
        <source>這不是一般的檔案（例如管道或裝置），無法開啟。</source>
        <translation>This is not a regular file (such as a pipe or a device) and cannot be opened.</translation>
    </message>
    <message>
        <source>這是一個資料夾，不是檔案。</source>
        <translation>This is a folder, not a file.</translation>
    </message>
    <message>
        <source>無法儲存檔案 %1：
%2</source>
        <translation>Cannot save the file %1:
%2</translation>
    </message>
    <message>
        <source>%1 不是 Zarni 文件，儲存會清除它的內容；沒有儲存。</source>
        <translation>%1 is not a Zarni document; saving would erase its content, so nothing was saved.</translation>
    </message>
    <message>
        <source>檔案 %1 不是 Zarni 文件，儲存會清除它的內容。
仍要儲存嗎？</source>
        <translation>The file %1 is not a Zarni document; saving will erase its content.
Save anyway?</translation>
    </message>
</context>
<context>
    <name>CExerciseDlg</name>
    <message>
        <source>題目(&amp;E)：</source>
        <translation>&amp;Exercise:</translation>
    </message>
    <message>
        <source>大小(&amp;Z)：</source>
        <translation>Si&amp;ze:</translation>
    </message>
    <message>
        <source>合併輸出幾個值(&amp;O)：</source>
        <translation>Values the merge &amp;outputs:</translation>
    </message>
    <message>
        <source>隨機種子(&amp;S)：</source>
        <translation>Random &amp;seed:</translation>
    </message>
</context>
<context>
    <name>CExportDlg</name>
    <message>
        <source>匯出圖片</source>
        <translation>Export Picture</translation>
    </message>
    <message>
        <source>以幾倍的像素畫出畫布；文字一樣清晰</source>
        <translation>How many pixels to draw for each pixel of the canvas; the text stays sharp</translation>
    </message>
    <message>
        <source>放大倍數(&amp;S)：</source>
        <translation>&amp;Scale:</translation>
    </message>
    <message>
        <source>匯出動畫</source>
        <translation>Export a Run</translation>
    </message>
    <message>
        <source> 毫秒</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>每一步下面加上說明</source>
        <translation>A caption under each step</translation>
    </message>
    <message>
        <source>從第幾步(&amp;F)：</source>
        <translation>&amp;From step:</translation>
    </message>
    <message>
        <source>到第幾步(&amp;O)：</source>
        <translation>T&amp;o step:</translation>
    </message>
    <message>
        <source>每步顯示(&amp;M)：</source>
        <translation>Each step for (&amp;M):</translation>
    </message>
    <message>
        <source>網頁 (*.html)</source>
        <translation>Web page (*.html)</translation>
    </message>
    <message>
        <source>學習平台套件 SCORM 1.2 (*.zip)</source>
        <translation>Learning platform package, SCORM 1.2 (*.zip)</translation>
    </message>
    <message>
        <source>學習平台套件的及格分數(&amp;P)：</source>
        <translation>Pass mark of a platform package (&amp;P):</translation>
    </message>
</context>
<context>
    <name>CGotoDlg</name>
    <message>
        <source>跳至節點</source>
        <translation>Go to Node</translation>
    </message>
    <message>
        <source>節點的索引（1 到 %1）：</source>
        <translation>Index of the node (1 to %1):</translation>
    </message>
    <message>
        <source>這棵樹沒有節點 %1：索引必須在 1 到 %2 之間。</source>
        <translation>The tree has no node %1: the index must be from 1 to %2.</translation>
    </message>
    <message>
        <source>「%1」不是整數。</source>
        <translation>&apos;%1&apos; is not a whole number.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>檔案(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>開啟新檔(&amp;N)	Ctrl+N</source>
        <translation>&amp;New	Ctrl+N</translation>
    </message>
    <message>
        <source>開啟舊檔(&amp;O)...	Ctrl+O</source>
        <translation>&amp;Open...	Ctrl+O</translation>
    </message>
    <message>
        <source>列印設定(&amp;R)...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <source>最近開啟檔案</source>
        <translation>Recent File</translation>
    </message>
    <message>
        <source>結束(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>檢視(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>工具列(&amp;T)</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>狀態列(&amp;S)</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>說明(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>關於 Zarni(&amp;A)...</source>
        <translation>&amp;About Zarni...</translation>
    </message>
    <message>
        <source>關閉檔案(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>儲存檔案(&amp;S)	Ctrl+S</source>
        <translation>&amp;Save	Ctrl+S</translation>
    </message>
    <message>
        <source>另存新檔(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>匯出圖片(&amp;E)...</source>
        <translation>&amp;Export Picture...</translation>
    </message>
    <message>
        <source>列印(&amp;P)...	Ctrl+P</source>
        <translation>&amp;Print...	Ctrl+P</translation>
    </message>
    <message>
        <source>預覽列印(&amp;V)</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>列印設定(&amp;R)</source>
        <translation>P&amp;rint Setup</translation>
    </message>
    <message>
        <source>編輯(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>復原(&amp;U)	Ctrl+Z</source>
        <translation>&amp;Undo	Ctrl+Z</translation>
    </message>
    <message>
        <source>剪下(&amp;T)	Ctrl+X</source>
        <translation>Cu&amp;t	Ctrl+X</translation>
    </message>
    <message>
        <source>複製(&amp;C)	Ctrl+C</source>
        <translation>&amp;Copy	Ctrl+C</translation>
    </message>
    <message>
        <source>貼上(&amp;P)	Ctrl+V</source>
        <translation>&amp;Paste	Ctrl+V</translation>
    </message>
    <message>
        <source>視窗(&amp;W)</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>新增視窗(&amp;N)</source>
        <translation>&amp;New Window</translation>
    </message>
    <message>
        <source>重疊顯示(&amp;C)</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>並排顯示(&amp;T)</source>
        <translation>&amp;Tile</translation>
    </message>
    <message>
        <source>排列圖示(&amp;A)</source>
        <translation>&amp;Arrange Icons</translation>
    </message>
    <message>
        <source>分割(&amp;P)</source>
        <translation>S&amp;plit</translation>
    </message>
    <message>
        <source>Winner Tree</source>
        <translation>Winner Tree</translation>
    </message>
    <message>
        <source>Winner_Tree</source>
        <translation>Winner_Tree</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>更多視窗(&amp;M)...</source>
        <translation>&amp;More Windows...</translation>
    </message>
    <message>
        <source>選擇視窗</source>
        <translation>Select Window</translation>
    </message>
    <message>
        <source>選擇要啟動的視窗(&amp;S)：</source>
        <translation>&amp;Select the window to activate:</translation>
    </message>
    <message>
        <source>執行腳本(&amp;R)...</source>
        <translation>&amp;Run Script...</translation>
    </message>
    <message>
        <source>全螢幕(&amp;U)	F11</source>
        <translation>F&amp;ull Screen	F11</translation>
    </message>
    <message>
        <source>語言(&amp;L)</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>另存為腳本(&amp;W)...</source>
        <translation>Save as Scri&amp;pt...</translation>
    </message>
    <message>
        <source>陣列(&amp;A)</source>
        <translation>&amp;Array</translation>
    </message>
    <message>
        <source>跳至節點(&amp;G)...	Ctrl+G</source>
        <translation>&amp;Go to Node...	Ctrl+G</translation>
    </message>
    <message>
        <source>暫停(&amp;P)	Space</source>
        <translation>&amp;Pause	Space</translation>
    </message>
    <message>
        <source>下一步(&amp;N)	Ctrl+Right</source>
        <translation>&amp;Next Step	Ctrl+Right</translation>
    </message>
    <message>
        <source>上一步(&amp;B)	Ctrl+Left</source>
        <translation>Step &amp;Back	Ctrl+Left</translation>
    </message>
    <message>
        <source>從頭開始(&amp;R)	Ctrl+Home</source>
        <translation>&amp;Restart	Ctrl+Home</translation>
    </message>
    <message>
        <source>直接看結果(&amp;E)	Ctrl+End</source>
        <translation>To the &amp;End	Ctrl+End</translation>
    </message>
    <message>
        <source>設定葉節點(&amp;L)...</source>
        <translation>Set &amp;Leaves...</translation>
    </message>
    <message>
        <source>加快(&amp;F)	Ctrl+]</source>
        <translation>&amp;Faster	Ctrl+]</translation>
    </message>
    <message>
        <source>放慢(&amp;S)	Ctrl+[</source>
        <translation>&amp;Slower	Ctrl+[</translation>
    </message>
    <message>
        <source>合併序列(&amp;M)...</source>
        <translation>&amp;Merge Runs...</translation>
    </message>
    <message>
        <source>輸出勝者(&amp;O)	Ctrl+Down</source>
        <translation>&amp;Output the Winner	Ctrl+Down</translation>
    </message>
    <message>
        <source>全部輸出(&amp;A)	Ctrl+Shift+Down</source>
        <translation>Output &amp;All	Ctrl+Shift+Down</translation>
    </message>
    <message>
        <source>播放速度</source>
        <translation>Playing speed</translation>
    </message>
    <message>
        <source>停止腳本(&amp;T)	Esc</source>
        <translation>S&amp;top Script	Esc</translation>
    </message>
    <message>
        <source>整棵樹放進視窗(&amp;I)	Ctrl+Shift+F</source>
        <translation>F&amp;it the Tree in the Window	Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>跟著視窗(&amp;W)</source>
        <translation>Keep &amp;Fitting</translation>
    </message>
    <message>
        <source>程式碼(&amp;O)</source>
        <translation>C&amp;ode</translation>
    </message>
    <message>
        <source>執行到第幾步</source>
        <translation>The step shown</translation>
    </message>
    <message>
        <source>堆積(&amp;P)</source>
        <translation>Hea&amp;p</translation>
    </message>
    <message>
        <source>設定節點值(&amp;V)...</source>
        <translation>Set Node &amp;Values...</translation>
    </message>
    <message>
        <source>最大堆積(&amp;X)</source>
        <translation>Ma&amp;x-Heap</translation>
    </message>
    <message>
        <source>最小堆積(&amp;N)</source>
        <translation>Mi&amp;n-Heap</translation>
    </message>
    <message>
        <source>由下而上建堆積(&amp;B)</source>
        <translation>&amp;Build Bottom-Up</translation>
    </message>
    <message>
        <source>逐一插入建堆積(&amp;I)</source>
        <translation>Build by &amp;Inserting</translation>
    </message>
    <message>
        <source>堆積排序(&amp;S)</source>
        <translation>Heap&amp;sort</translation>
    </message>
    <message>
        <source>插入值(&amp;A)...</source>
        <translation>Insert a V&amp;alue...</translation>
    </message>
    <message>
        <source>取出樹根(&amp;E)</source>
        <translation>&amp;Extract the Root</translation>
    </message>
    <message>
        <source>更改節點值(&amp;K)...</source>
        <translation>Change a &amp;Key...</translation>
    </message>
    <message>
        <source>刪除節點(&amp;D)...</source>
        <translation>&amp;Delete a Node...</translation>
    </message>
    <message>
        <source>勝者樹(&amp;W)</source>
        <translation>&amp;Winner Tree</translation>
    </message>
    <message>
        <source>敗者樹(&amp;T)</source>
        <translation>Loser &amp;Tree</translation>
    </message>
    <message>
        <source>置換選擇(&amp;C)...</source>
        <translation>Repla&amp;cement Selection...</translation>
    </message>
    <message>
        <source>合併這些序列(&amp;G)</source>
        <translation>Mer&amp;ge These Runs</translation>
    </message>
    <message>
        <source>練習模式(&amp;R)	F8</source>
        <translation>P&amp;ractice	F8</translation>
    </message>
    <message>
        <source>提示(&amp;H)	Shift+F8</source>
        <translation>&amp;Hint	Shift+F8</translation>
    </message>
    <message>
        <source>練習：答對 %1/%2</source>
        <translation>Practice: %1/%2 right</translation>
    </message>
    <message>
        <source>匯出動畫(&amp;M)...</source>
        <translation>Export a Run as Ani&amp;mation...</translation>
    </message>
    <message>
        <source>節點數(&amp;N)...</source>
        <translation>&amp;Number of Nodes...</translation>
    </message>
    <message>
        <source>文字放大(&amp;Z)	Ctrl+Shift+=</source>
        <translation>Larger Te&amp;xt	Ctrl+Shift+=</translation>
    </message>
    <message>
        <source>文字縮小(&amp;M)	Ctrl+Shift+-</source>
        <translation>S&amp;maller Text	Ctrl+Shift+-</translation>
    </message>
    <message>
        <source>文字原來大小(&amp;E)</source>
        <translation>T&amp;ext at Its Own Size</translation>
    </message>
    <message>
        <source>顯示節點編號(&amp;D)</source>
        <translation>Show Node Num&amp;bers</translation>
    </message>
    <message>
        <source>節點數</source>
        <translation>Number of Nodes</translation>
    </message>
    <message>
        <source>樹的節點數（1 到 %1）：</source>
        <translation>Nodes in the tree (1 to %1):</translation>
    </message>
    <message>
        <source>執行</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>練習(&amp;X)</source>
        <translation>E&amp;xercise</translation>
    </message>
    <message>
        <source>新題目(&amp;N)...</source>
        <translation>&amp;New Exercise...</translation>
    </message>
    <message>
        <source>交卷(&amp;G)</source>
        <translation>&amp;Grade</translation>
    </message>
    <message>
        <source>看解答(&amp;S)</source>
        <translation>Show the &amp;Solution</translation>
    </message>
    <message>
        <source>交卷時才評分(&amp;E)</source>
        <translation>Grade at the &amp;End</translation>
    </message>
    <message>
        <source>找第二名(&amp;2)</source>
        <translation>Find the Runner-up (&amp;2)</translation>
    </message>
    <message>
        <source>區間樹(&amp;G)</source>
        <translation>Se&amp;gment Tree</translation>
    </message>
    <message>
        <source>建立區間樹(&amp;B)...</source>
        <translation>&amp;Build a Segment Tree...</translation>
    </message>
    <message>
        <source>區間和(&amp;U)</source>
        <translation>S&amp;ums</translation>
    </message>
    <message>
        <source>區間最小值(&amp;N)</source>
        <translation>Mi&amp;nimums</translation>
    </message>
    <message>
        <source>區間最大值(&amp;X)</source>
        <translation>Ma&amp;ximums</translation>
    </message>
    <message>
        <source>設定位置的值(&amp;S)...</source>
        <translation>&amp;Set a Position...</translation>
    </message>
    <message>
        <source>區間查詢(&amp;Q)...</source>
        <translation>Range &amp;Query...</translation>
    </message>
    <message>
        <source>區間加值(&amp;A)...</source>
        <translation>Range &amp;Add...</translation>
    </message>
    <message>
        <source>簡報模式(&amp;P)	F5</source>
        <translation>&amp;Present	F5</translation>
    </message>
    <message>
        <source>配色(&amp;C)</source>
        <translation>&amp;Colours</translation>
    </message>
    <message>
        <source>朗讀(&amp;K)</source>
        <translation>Spea&amp;k the steps</translation>
    </message>
    <message>
        <source>框選節點</source>
        <translation>Select nodes with a band</translation>
    </message>
    <message>
        <source>拖動畫布</source>
        <translation>Drag the canvas</translation>
    </message>
    <message>
        <source>方框變窄</source>
        <translation>Narrower boxes</translation>
    </message>
    <message>
        <source>方框變寬</source>
        <translation>Wider boxes</translation>
    </message>
    <message>
        <source>方框變矮</source>
        <translation>Shorter boxes</translation>
    </message>
    <message>
        <source>方框變高</source>
        <translation>Taller boxes</translation>
    </message>
    <message>
        <source>縮放倍數</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>文件視窗</source>
        <translation>Document windows</translation>
    </message>
    <message>
        <source>範例課程(&amp;L)...</source>
        <translation>Sample &amp;Lessons...</translation>
    </message>
</context>
<context>
    <name>CNumbersDlg</name>
    <message>
        <source>從檔案載入(&amp;F)...</source>
        <translation>Load from &amp;File...</translation>
    </message>
    <message>
        <source>文字檔 (*.txt);;所有檔案 (*)</source>
        <translation>Text files (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>隨機填入(&amp;R)</source>
        <translation>&amp;Random</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>無法讀取 %1：%2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message>
        <source>檔案超過 %1 MB，比任何合併用得到的都大</source>
        <translation>the file is larger than %1 MB, more than any merge can use</translation>
    </message>
</context>
<context>
    <name>CProblemText</name>
    <message>
        <source>「%1」不是整數。</source>
        <translation>&apos;%1&apos; is not a whole number.</translation>
    </message>
    <message>
        <source>%1 超出範圍：值必須在 -%2 到 %2 之間。</source>
        <translation>%1 is out of range: values must be from -%2 to %2.</translation>
    </message>
    <message>
        <source>這棵樹有 %1 個葉節點，不是 %2 個值。</source>
        <translation>The tree has %1 leaves, not %2 values.</translation>
    </message>
    <message>
        <source>節點 %1 不是葉節點（葉節點是 %2 到 %3）。</source>
        <translation>Node %1 is not a leaf (the leaves are %2 to %3).</translation>
    </message>
    <message>
        <source>第 %1 行（序列 %2）：</source>
        <translation>Line %1 (run %2): </translation>
    </message>
    <message>
        <source>序列 %1：</source>
        <translation>Run %1: </translation>
    </message>
    <message>
        <source>%1 比前一個值大；序列必須由大到小排列。</source>
        <translation>%1 is greater than the value before it; a run must go from the greatest down.</translation>
    </message>
    <message>
        <source>這個序列是空的。</source>
        <translation>The run is empty.</translation>
    </message>
    <message>
        <source>序列最多 %1 個值。</source>
        <translation>A run holds at most %1 values.</translation>
    </message>
    <message>
        <source>合併至少需要 %1 個序列，這裡只有 %2 個。</source>
        <translation>A merge needs at least %1 runs, not %2.</translation>
    </message>
    <message>
        <source>合併最多只能有 %1 個序列，這裡有 %2 個。</source>
        <translation>A merge takes at most %1 runs, not %2.</translation>
    </message>
    <message>
        <source>這棵樹有 %1 個節點，不是 %2 個值。</source>
        <translation>The tree has %1 nodes, not %2 values.</translation>
    </message>
    <message>
        <source>這些值不是最小堆積：節點 %1 的值小於它的父節點的值。</source>
        <translation>The values are not a min-heap: node %1 is less than its parent.</translation>
    </message>
    <message>
        <source>這些值不是最大堆積：節點 %1 的值大於它的父節點的值。</source>
        <translation>The values are not a max-heap: node %1 is greater than its parent.</translation>
    </message>
    <message>
        <source>堆積是空的。</source>
        <translation>The heap is empty.</translation>
    </message>
    <message>
        <source>堆積沒有節點 %1：索引必須在 1 到 %2 之間。</source>
        <translation>The heap has no node %1: the index must be from 1 to %2.</translation>
    </message>
    <message>
        <source>這棵樹已經有 %1 個節點，不能再加。</source>
        <translation>The tree already has %1 nodes and can take no more.</translation>
    </message>
    <message>
        <source>第 %1 行：</source>
        <translation>line %1: </translation>
    </message>
    <message>
        <source>沒有任何值。</source>
        <translation>There are no values.</translation>
    </message>
    <message>
        <source>最多只能有 %1 個值。</source>
        <translation>There can be at most %1 values.</translation>
    </message>
    <message>
        <source>這個視窗沒有置換選擇產生的序列。</source>
        <translation>This window has no runs made by replacement selection.</translation>
    </message>
    <message>
        <source>輸入整個成為一個排好的序列，不必合併。</source>
        <translation>The input came out as one sorted run: there is nothing to merge.</translation>
    </message>
    <message>
        <source>畫面上是堆積排序：排好的節點不是堆積。請先重新建堆積或設定節點值。</source>
        <translation>A heapsort is shown: its sorted nodes are no heap. Build the heap again or set the values first.</translation>
    </message>
    <message>
        <source>節點 %1 沒有值：堆積的每個節點都要是整數。</source>
        <translation>Node %1 has no value: every node of a heap holds a whole number.</translation>
    </message>
    <message>
        <source>這棵樹沒有節點 %1：索引必須在 1 到 %2 之間。</source>
        <translation>The tree has no node %1: the index must be from 1 to %2.</translation>
    </message>
    <message>
        <source>節點 %1 的值破壞了堆積順序：這個題目要從堆積開始。</source>
        <translation>The value of node %1 breaks the heap order: this exercise starts from a heap.</translation>
    </message>
    <message>
        <source>這個題目最多 %1 個序列，不是 %2 個。</source>
        <translation>This exercise takes at most %1 runs, not %2.</translation>
    </message>
    <message>
        <source>這個題目要 %1 到 %2 個值，不是 %3 個。</source>
        <translation>This exercise takes %1 to %2 values, not %3.</translation>
    </message>
    <message>
        <source>沒有進行中的題目：先從「練習 › 新題目」出一題。</source>
        <translation>No exercise is under way: start one with Exercise › New Exercise.</translation>
    </message>
    <message>
        <source>這棵樹上沒有這個動作。</source>
        <translation>There is no such action on this tree.</translation>
    </message>
    <message>
        <source>敗者樹不找第二名：請改用勝者樹。</source>
        <translation>A loser tree keeps no runner-up to find: switch to a winner tree.</translation>
    </message>
    <message>
        <source>先把勝者樹的比賽播完，才能找第二名。</source>
        <translation>Play the winner tree&apos;s tournament to its end before finding the runner-up.</translation>
    </message>
    <message>
        <source>這一題的解答已經播過了：用播放器再看一次。</source>
        <translation>This exercise&apos;s solution has been played: use the player to see it again.</translation>
    </message>
    <message>
        <source>區間樹要有 1 到 %1 個值，不是 %2 個。</source>
        <translation>A segment tree takes 1 to %1 values, not %2.</translation>
    </message>
    <message>
        <source>這裡沒有區間樹：請先建立區間樹。</source>
        <translation>There is no segment tree here: build one first.</translation>
    </message>
    <message>
        <source>沒有位置 %1：位置必須在 0 到 %2 之間。</source>
        <translation>There is no position %1: positions are 0 to %2.</translation>
    </message>
    <message>
        <source>起點 %1 大於終點 %2。</source>
        <translation>The first position %1 is past the last, %2.</translation>
    </message>
    <message>
        <source>位置 %1 的值 %2 加上 %3 會超出 -%4 到 %4 的範圍。</source>
        <translation>Position %1 holds %2; adding %3 would take it out of the range -%4 to %4.</translation>
    </message>
    <message>
        <source>節點 %1 的值 %2 超出範圍：堆積的值必須在 -%3 到 %3 之間。</source>
        <translation>Node %1 holds %2, out of range: the values of a heap are -%3 to %3.</translation>
    </message>
    <message numerus="yes">
        <source>置換選擇產生了 %n 個序列，合併最多只能有 %1 個。</source>
        <translation>
            <numerusform>Replacement selection made %n run; a merge takes at most %1.</numerusform>
            <numerusform>Replacement selection made %n runs; a merge takes at most %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>這些值不用做任何動作就已經是答案：換一組值。</source>
        <translation>These values are the answer already, with nothing to do: try other values.</translation>
    </message>
    <message>
        <source>大小 %1 的「%2」沒有動作可做：大小至少要 %3。</source>
        <translation>&quot;%2&quot; of size %1 has nothing to do: take a size of at least %3.</translation>
    </message>
    <message>
        <source>第一個數是 P，要在 %1 到 %2 之間，不是 %3。</source>
        <translation>The first number is P, from %1 to %2, not %3.</translation>
    </message>
    <message>
        <source>P 是 %1，P 後面只有 %2 個值：值要比 P 多，才有值要等下一個序列。</source>
        <translation>P is %1 and only %2 values follow it: give more values than P, so that some wait for the next run.</translation>
    </message>
    <message>
        <source>這個題目每個動作做了就評分，不能復原；要能復原，把「練習 › 交卷時才評分」打勾再出題。</source>
        <translation>This exercise grades each action as it is made, so it cannot be taken back; to take actions back, check Exercise › Grade at the End and start a new exercise.</translation>
    </message>
    <message>
        <source>還沒有做任何動作，沒有可以復原的。</source>
        <translation>No action has been made yet: there is nothing to take back.</translation>
    </message>
</context>
<context>
    <name>CRecordPanel</name>
    <message>
        <source>合併</source>
        <translation>Merge</translation>
    </message>
    <message>
        <source>複製輸出(&amp;C)</source>
        <translation>&amp;Copy Output</translation>
    </message>
    <message>
        <source>把輸出的值複製到剪貼簿</source>
        <translation>Copy the output values to the clipboard</translation>
    </message>
    <message>
        <source>這個視窗沒有合併。</source>
        <translation>This window has no merge.</translation>
    </message>
</context>
<context>
    <name>CSpeaker</name>
    <message>
        <source>沒有可用的語音（或語音服務沒有回應），朗讀維持關閉。</source>
        <translation>No voice to speak with (or the speech service did not answer); speaking stays off.</translation>
    </message>
</context>
<context>
    <name>CStartPage</name>
    <message>
        <source>堆積排序</source>
        <translation>Heapsort</translation>
    </message>
    <message>
        <source>由下而上建最大堆積，再一次次把樹根換到最後。</source>
        <translation>Build a max-heap bottom-up, then swap the root to the end again and again.</translation>
    </message>
    <message>
        <source>優先佇列</source>
        <translation>Priority Queue</translation>
    </message>
    <message>
        <source>最小堆積的插入、取出、改小鍵值與刪除。</source>
        <translation>Insert, extract, decrease a key and delete on a min-heap.</translation>
    </message>
    <message>
        <source>勝者樹與敗者樹</source>
        <translation>Winner and Loser Trees</translation>
    </message>
    <message>
        <source>同一場淘汰賽，每個節點留下勝者，或留下敗者。</source>
        <translation>One knock-out tournament: each node keeps its match&apos;s winner, or its loser.</translation>
    </message>
    <message>
        <source>合併排好的序列</source>
        <translation>Merging Sorted Runs</translation>
    </message>
    <message>
        <source>勝者樹每次寫出最大的值，只重賽它那一條路徑。</source>
        <translation>A winner tree writes out the greatest value and plays only its path again.</translation>
    </message>
    <message>
        <source>置換選擇與外部排序</source>
        <translation>Replacement Selection and the External Sort</translation>
    </message>
    <message>
        <source>敗者樹切出比記憶體長的序列，再把序列合併。</source>
        <translation>A loser tree cuts runs longer than the memory, then the runs are merged.</translation>
    </message>
    <message>
        <source>區間和的查詢，和延後往下傳的區間加值。</source>
        <translation>Range sum queries, and range adds passed down lazily.</translation>
    </message>
    <message>
        <source>找第二名</source>
        <translation>The Runner-up</translation>
    </message>
    <message>
        <source>第二名只輸給冠軍：只讓冠軍打敗的值再比一次。</source>
        <translation>The runner-up lost only to the winner: only the values the winner beat play again.</translation>
    </message>
    <message>
        <source>練習：建堆積</source>
        <translation>Exercise: Build a Heap</translation>
    </message>
    <message>
        <source>自己點兩個節點交換，每一步都馬上評分。</source>
        <translation>Click two nodes to swap them; each step is graded at once.</translation>
    </message>
    <message>
        <source>你的課程所在的資料夾</source>
        <translation>The Folder of Your Lessons</translation>
    </message>
    <message>
        <source>範例課程</source>
        <translation>Sample Lessons</translation>
    </message>
    <message>
        <source>選一堂課開始：按兩下開啟，翻頁鍵或空白鍵一步步講下去。</source>
        <translation>Choose a lesson to begin: double-click to open it, then Page Down or Space takes it on step by step.</translation>
    </message>
    <message>
        <source>也可以列出你自己的課程（.zs 腳本）所在的資料夾。</source>
        <translation>Your own lessons (.zs scripts) can be listed here too, from a folder.</translation>
    </message>
    <message>
        <source>你的課程：%1</source>
        <translation>Your lessons: %1</translation>
    </message>
    <message>
        <source>選擇資料夾(&amp;F)...</source>
        <translation>Choose &amp;Folder...</translation>
    </message>
    <message>
        <source>啟動時顯示這一頁(&amp;S)</source>
        <translation>&amp;Show this page at start</translation>
    </message>
    <message>
        <source>開啟(&amp;O)</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>關閉(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>區間樹</source>
        <translation>Segment Tree</translation>
    </message>
</context>
<context>
    <name>CValuesDlg</name>
    <message>
        <source>設定葉節點</source>
        <translation>Set Leaves</translation>
    </message>
    <message>
        <source>設定節點值</source>
        <translation>Set Node Values</translation>
    </message>
    <message>
        <source>這棵樹有 %1 個葉節點（節點 %2 到 %3），請依序輸入它們的值，整數 -%4 到 %4，以空白或逗號分隔：</source>
        <translation>The tree has %1 leaves (nodes %2 to %3). Enter their values in order, whole numbers from -%4 to %4, separated by blanks or commas:</translation>
    </message>
    <message>
        <source>這棵樹有 %1 個節點，請依堆積順序輸入每個節點的值，整數 -%2 到 %2，以空白或逗號分隔：</source>
        <translation>The tree has %1 nodes. Enter every node&apos;s value in heap order, whole numbers from -%2 to %2, separated by blanks or commas:</translation>
    </message>
    <message>
        <source>%1 個值太多，不在這裡列出；留空就不改變。</source>
        <translation>%1 values are too many to list here; leave this empty to keep them as they are.</translation>
    </message>
    <message numerus="yes">
        <source>輸入了 %n 個值，這棵樹有 %1 個葉節點。要換成有 %n 個葉節點的樹（%2 個節點）嗎？</source>
        <translation>
            <numerusform>You typed %n value; the tree has %1 leaves. Make a tree of %n leaf (%2 node)?</numerusform>
            <numerusform>You typed %n values; the tree has %1 leaves. Make a tree of %n leaves (%2 nodes)?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>輸入了 %n 個值，這棵樹有 %1 個節點。要換成有 %n 個節點的樹嗎？</source>
        <translation>
            <numerusform>You typed %n value; the tree has %1 nodes. Make a tree of %n node?</numerusform>
            <numerusform>You typed %n values; the tree has %1 nodes. Make a tree of %n nodes?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CZarniApp</name>
    <message>
        <source>設定檔 %1 不是一般的檔案，這次不讀也不寫設定。</source>
        <translation>The settings file %1 is not a regular file; settings are neither read nor written this time.</translation>
    </message>
    <message>
        <source>無法開啟檔案 %1：
%2</source>
        <translation>Cannot open the file %1:
%2</translation>
    </message>
    <message>
        <source>Zarni 腳本 (*.zs);;所有檔案 (*)</source>
        <translation>Zarni scripts (*.zs);;All files (*)</translation>
    </message>
    <message>
        <source>執行腳本</source>
        <translation>Run Script</translation>
    </message>
    <message>
        <source>另存為腳本</source>
        <translation>Save as Script</translation>
    </message>
    <message>
        <source>無法儲存檔案 %1：
%2</source>
        <translation>Cannot save the file %1:
%2</translation>
    </message>
    <message>
        <source>腳本已停止。</source>
        <translation>The script was stopped.</translation>
    </message>
    <message>
        <source>正在匯出動畫...</source>
        <translation>Exporting the run...</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>另一個腳本還在執行：先按 Esc 停止它，再開啟這一課。</source>
        <translation>Another script is still running: press Esc to stop it, then open this lesson.</translation>
    </message>
    <message>
        <source>這棵樹的值太多，一個腳本寫不下。</source>
        <translation>This tree has too many values for a script.</translation>
    </message>
</context>
<context>
    <name>CZarniView</name>
    <message>
        <source>樹</source>
        <translation>Tree</translation>
    </message>
</context>
<context>
    <name>Exercise</name>
    <message>
        <source>由下而上建堆積</source>
        <translation>Build a heap bottom-up</translation>
    </message>
    <message>
        <source>逐一插入建堆積</source>
        <translation>Build a heap by inserting</translation>
    </message>
    <message>
        <source>堆積排序</source>
        <translation>Heapsort</translation>
    </message>
    <message>
        <source>插入一個值</source>
        <translation>Insert a value</translation>
    </message>
    <message>
        <source>取出樹根</source>
        <translation>Extract the root</translation>
    </message>
    <message>
        <source>多路合併</source>
        <translation>K-way merge</translation>
    </message>
    <message>
        <source>取代選擇</source>
        <translation>Replacement selection</translation>
    </message>
    <message>
        <source>勝者樹的比賽</source>
        <translation>Winner tree tournament</translation>
    </message>
    <message>
        <source>敗者樹的比賽</source>
        <translation>Loser tree tournament</translation>
    </message>
    <message>
        <source>交換</source>
        <translation>swap</translation>
    </message>
    <message>
        <source>比賽</source>
        <translation>matches</translation>
    </message>
    <message>
        <source>序列</source>
        <translation>runs</translation>
    </message>
    <message>
        <source>錯了三次，程式替你做了這一步。</source>
        <translation> Three wrong tries: the program made this step for you.</translation>
    </message>
    <message>
        <source>不對：現在該交換兩個節點的值。</source>
        <translation>Not right: now two nodes swap their values.</translation>
    </message>
    <message>
        <source>不對：現在該讓一場比賽的勝者往上。</source>
        <translation>Not right: now a match sends its winner up.</translation>
    </message>
    <message>
        <source>不對：現在該決定讀入的值屬於哪個序列（按 1 或 2）。</source>
        <translation>Not right: now the value read joins a run (press 1 or 2).</translation>
    </message>
    <message>
        <source>不對：現在不該交換節點 %1 與 %2。</source>
        <translation>Not right: nodes %1 and %2 do not swap now.</translation>
    </message>
    <message>
        <source>不對：讀入的值不屬於序列 %1。</source>
        <translation>Not right: the value read does not join run %1.</translation>
    </message>
    <message>
        <source>不對：節點 %1 的比賽還輪不到，先比外框標出的比賽。</source>
        <translation>Not right: the match at node %1 is not due yet; play the outlined match first.</translation>
    </message>
    <message>
        <source>不對：節點 %1 的比賽，勝的是另一邊。</source>
        <translation>Not right: the match at node %1 goes to the other side.</translation>
    </message>
    <message>
        <source>兩邊相等時，右邊的勝。</source>
        <translation> On a tie the right side wins.</translation>
    </message>
    <message>
        <source>題目：對 %1/%2</source>
        <translation>Exercise: %1/%2 right</translation>
    </message>
    <message>
        <source>題目結束：看了解答。</source>
        <translation>Exercise over: the solution was shown.</translation>
    </message>
    <message>
        <source>題目結束：%1 個動作，第一次就做對 %2 個，錯了 %3 次，程式代做 %4 個；得分 %5。</source>
        <translation>Exercise over: %1 actions, %2 right at the first try, %3 wrong tries, %4 made by the program; score %5.</translation>
    </message>
    <message>
        <source>錯在：%1</source>
        <translation> Mistakes: %1</translation>
    </message>
    <message>
        <source>、%1</source>
        <translation>, %1</translation>
    </message>
    <message>
        <source>題目「%1」：</source>
        <translation>Exercise &quot;%1&quot;: </translation>
    </message>
    <message>
        <source>點兩個節點（或把一個值拖到另一個上），交換它們的值。</source>
        <translation>click two nodes (or drag one value onto another) to swap their values.</translation>
    </message>
    <message>
        <source>點每場比賽勝的子節點；讀入的值，按 1 或 2 選它的序列。</source>
        <translation>click the winning child of each match; for each value read, press 1 or 2 for its run.</translation>
    </message>
    <message>
        <source>點每場比賽勝的子節點，讓它往上。</source>
        <translation>click the winning child of each match to send it up.</translation>
    </message>
    <message>
        <source>新題目</source>
        <translation>New Exercise</translation>
    </message>
    <message>
        <source>自己的值（空白則依種子隨機出題）：</source>
        <translation>Your own values (empty: a random instance from the seed):</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>不支援的檔案類型「%1」：請用 .png、.svg 或 .pdf。</source>
        <translation>Unsupported file type &quot;%1&quot;: use .png, .svg or .pdf.</translation>
    </message>
    <message>
        <source>畫布 %1 × %2 太大，無法存成 PNG；請改存為 SVG 或 PDF。</source>
        <translation>The canvas %1 × %2 is too large for PNG; save it as SVG or PDF instead.</translation>
    </message>
    <message>
        <source>圖中的細節太多，SVG 檔會超過 %1 MB；請改存為 PDF 或 PNG。</source>
        <translation>The picture has so much detail that the SVG file would exceed %1 MB; save it as PDF or PNG instead.</translation>
    </message>
    <message>
        <source>記憶體不足，無法產生 %1 × %2 的圖片。</source>
        <translation>Not enough memory to make a picture of %1 × %2.</translation>
    </message>
    <message>
        <source>無法匯出圖片 %1：
%2</source>
        <translation>Cannot export the picture %1:
%2</translation>
    </message>
    <message>
        <source>圖片 %1 × %2 太大，無法存成 PNG；請用較小的倍數，或改存為 SVG 或 PDF。</source>
        <translation>The picture %1 × %2 is too large for PNG; export it at a smaller scale, or as SVG or PDF.</translation>
    </message>
    <message>
        <source>這個視窗沒有可以匯出的執行過程。</source>
        <translation>This window has no run to export.</translation>
    </message>
    <message>
        <source>步驟必須在這次執行之內，而且開始不能在結束之後。</source>
        <translation>The steps must lie within the run, the first not after the last.</translation>
    </message>
    <message>
        <source>畫面太大（每張超過一億像素，或檔案超過 2 GB）；請用較小的倍數或較少的步驟。</source>
        <translation>The frames are too large (over 100 megapixels each, or a file over 2 GB); use a smaller scale or fewer steps.</translation>
    </message>
    <message>
        <source>超過 %1 步；請匯出較少的步驟。</source>
        <translation>More than %1 steps; export fewer.</translation>
    </message>
    <message>
        <source>已取消。</source>
        <translation>Cancelled.</translation>
    </message>
    <message>
        <source>無法匯出動畫 %1：
%2</source>
        <translation>Cannot export the run to %1:
%2</translation>
    </message>
    <message>
        <source>不支援的檔案類型「%1」：請用 .gif、.mp4、.webm、.pdf、.html 或 .zip。</source>
        <translation>The type &quot;%1&quot; is not supported: use .gif, .mp4, .webm, .pdf, .html or .zip.</translation>
    </message>
    <message>
        <source>網頁最多容納 %1 個節點，這棵樹有 %2 個；請匯出較小的樹，或把執行過程匯出成 GIF、影片或 PDF。</source>
        <translation>A page holds at most %1 nodes and this tree has %2: export a smaller tree, or the run as a GIF, video or PDF.</translation>
    </message>
    <message>
        <source>網頁最多容納 %1 步；請匯出較少的步驟。</source>
        <translation>A page holds at most %1 steps: export fewer steps.</translation>
    </message>
</context>
<context>
    <name>Heap</name>
    <message>
        <source>節點（1 到 %1）：</source>
        <translation>Node (1 to %1):</translation>
    </message>
    <message>
        <source>值（-%1 到 %1）：</source>
        <translation>Value (-%1 to %1):</translation>
    </message>
    <message>
        <source>插入值</source>
        <translation>Insert a Value</translation>
    </message>
    <message>
        <source>更改節點值</source>
        <translation>Change a Key</translation>
    </message>
    <message>
        <source>刪除節點</source>
        <translation>Delete a Node</translation>
    </message>
    <message>
        <source>最小堆積：每個節點都不大於它的子節點。</source>
        <translation>Min-heap: no node is greater than its children.</translation>
    </message>
    <message>
        <source>最大堆積：每個節點都不小於它的子節點。</source>
        <translation>Max-heap: no node is less than its children.</translation>
    </message>
    <message>
        <source>不是最小堆積：節點 %1 的值 %2 小於父節點 %3 的值 %4。</source>
        <translation>Not a min-heap: node %1 holds %2, less than its parent %3 (%4).</translation>
    </message>
    <message>
        <source>不是最大堆積：節點 %1 的值 %2 大於父節點 %3 的值 %4。</source>
        <translation>Not a max-heap: node %1 holds %2, greater than its parent %3 (%4).</translation>
    </message>
    <message numerus="yes">
        <source>已取出 %n 個值：%1</source>
        <translation>
            <numerusform>Extracted %n value: %1</numerusform>
            <numerusform>Extracted %n values: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HeapAlgorithm</name>
    <message>
        <source>節點 %1 (%2)</source>
        <translation>node %1 (%2)</translation>
    </message>
    <message>
        <source>交換後 %1、%2</source>
        <translation>swapped: %1, %2</translation>
    </message>
    <message>
        <source>比較 %1 與 %2</source>
        <translation>compare %1 with %2</translation>
    </message>
    <message>
        <source>%1 已排好</source>
        <translation>%1 is sorted</translation>
    </message>
    <message>
        <source>%1 加入堆積</source>
        <translation>%1 joins the heap</translation>
    </message>
    <message>
        <source>取出樹根的值 %1，堆積空了</source>
        <translation>the root&apos;s value %1 is extracted; the heap is empty</translation>
    </message>
    <message>
        <source>取出樹根的值 %1，最後一個節點的值移到樹根：%2</source>
        <translation>the root&apos;s value %1 is extracted; the last node&apos;s value moves to the root: %2</translation>
    </message>
    <message>
        <source>%1 換上新的值</source>
        <translation>%1 takes its new value</translation>
    </message>
    <message>
        <source>刪去節點 1，堆積空了</source>
        <translation>node 1 is deleted; the heap is empty</translation>
    </message>
    <message>
        <source>刪去最後一個節點 %1</source>
        <translation>the last node, %1, is deleted</translation>
    </message>
    <message>
        <source>刪去節點 %1，最後一個節點的值移到這裡：%2</source>
        <translation>node %1 is deleted; the last node&apos;s value moves there: %2</translation>
    </message>
</context>
<context>
    <name>LoserAlgorithm</name>
    <message>
        <source>節點 0 得到總冠軍 %1</source>
        <translation>node 0 takes the overall winner, %1</translation>
    </message>
    <message>
        <source>節點 %1 只有一個子節點，它那邊的勝者 %2 直接晉級</source>
        <translation>node %1 has one child: the winner on its side, %2, goes up without a match</translation>
    </message>
    <message>
        <source>節點 %1：%2 勝 %3，%3 留在節點 %1，%2 晉級</source>
        <translation>node %1: %2 beats %3; %3 stays at node %1 and %2 goes up</translation>
    </message>
    <message>
        <source>葉節點 %1 的新值 %2 放進節點 0，往上比賽</source>
        <translation>leaf %1&apos;s new value %2 goes into node 0 to play its way up</translation>
    </message>
    <message>
        <source>節點 %1：留下的 %2 勝 往上的 %3，兩者交換，%3 留下，%2 繼續往上</source>
        <translation>node %1: the kept %2 beats the rising %3; they change places, %3 stays and %2 goes on up</translation>
    </message>
    <message>
        <source>節點 %1：往上的 %2 勝 留下的 %3，繼續往上</source>
        <translation>node %1: the rising %2 beats the kept %3 and goes on up</translation>
    </message>
    <message>
        <source>；節點 0 的 %1 是新的總冠軍</source>
        <translation>; %1 in node 0 is the new overall winner</translation>
    </message>
</context>
<context>
    <name>Merge</name>
    <message>
        <source>合併序列</source>
        <translation>Merge Runs</translation>
    </message>
    <message>
        <source>每行一個序列，值由大到小排列，以空白分隔；整數 -%1 到 %1，%2 到 %3 個序列，每個最多 %4 個值。以 # 開頭的行不算。</source>
        <translation>One run a line, its values from the greatest down, separated by blanks; whole numbers from -%1 to %1, %2 to %3 runs of at most %4 values each. Lines starting with # are skipped.</translation>
    </message>
    <message>
        <source>序列數</source>
        <translation>Runs</translation>
    </message>
    <message>
        <source>每個的長度</source>
        <translation>Length of each</translation>
    </message>
    <message>
        <source># %1 個隨機序列，每個 %2 個值（太多，不在這裡列出）</source>
        <translation># %1 random runs of %2 values each (too many to list here)</translation>
    </message>
    <message>
        <source>載入序列</source>
        <translation>Load Runs</translation>
    </message>
    <message>
        <source># 從 %1 載入的 %2 個序列，共 %3 個值（太多，不在這裡列出）</source>
        <translation># %2 runs loaded from %1, %3 values in all (too many to list here)</translation>
    </message>
    <message>
        <source>輸出</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>序%1</source>
        <translation>R%1</translation>
    </message>
    <message>
        <source>每次輸出平均比較 %1 次。</source>
        <translation> %1 comparisons a pop on average.</translation>
    </message>
    <message>
        <source>序列 %1</source>
        <translation>Run %1</translation>
    </message>
    <message numerus="yes">
        <source>合併完成：輸出 %n 個值。</source>
        <translation>
            <numerusform>Merge done: %n value output.</numerusform>
            <numerusform>Merge done: %n values output.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已輸出 %n 個值，還剩 %1 個。</source>
        <translation>
            <numerusform>%n value output, %1 left.</numerusform>
            <numerusform>%n values output, %1 left.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MergeAlgorithm</name>
    <message>
        <source>輸出 %1，它來自序列 %2</source>
        <translation>output %1, from run %2</translation>
    </message>
    <message>
        <source>序列 %1 用完了，葉節點 %2 換上 −∞</source>
        <translation>run %1 is spent: leaf %2 takes −∞</translation>
    </message>
    <message>
        <source>葉節點 %1 換上序列 %2 的下一個值 %3</source>
        <translation>leaf %1 takes the next value of run %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>一次輸出剩下的 %n 個值</source>
        <translation>
            <numerusform>the %n value left goes out at once</numerusform>
            <numerusform>the %n values left go out at once</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Node</name>
    <message>
        <source>勝者</source>
        <translation>winner</translation>
    </message>
    <message>
        <source>敗者</source>
        <translation>loser</translation>
    </message>
    <message>
        <source>已排好</source>
        <translation>sorted</translation>
    </message>
    <message>
        <source>留下的敗者</source>
        <translation>loser kept</translation>
    </message>
    <message>
        <source>奇數序列</source>
        <translation>odd run</translation>
    </message>
    <message>
        <source>偶數序列</source>
        <translation>even run</translation>
    </message>
    <message>
        <source>節點 %1：%2</source>
        <translation>Node %1: %2</translation>
    </message>
    <message>
        <source>空</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>，已選取</source>
        <translation>, selected</translation>
    </message>
    <message>
        <source>，%1</source>
        <translation>, %1</translation>
    </message>
    <message>
        <source>樹根</source>
        <translation>root</translation>
    </message>
    <message>
        <source>父 %1</source>
        <translation>parent %1</translation>
    </message>
    <message>
        <source>葉節點</source>
        <translation>leaf</translation>
    </message>
    <message>
        <source>左 %1，沒有右子</source>
        <translation>left %1, no right child</translation>
    </message>
    <message>
        <source>左 %1，右 %2</source>
        <translation>left %1, right %2</translation>
    </message>
    <message>
        <source>第 %1 層</source>
        <translation>level %1</translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>Palette</name>
    <message>
        <source>標準(&amp;S)</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>色盲友善(&amp;C)</source>
        <translation>&amp;Colour-blind safe</translation>
    </message>
    <message>
        <source>投影機(&amp;P)</source>
        <translation>&amp;Projector</translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>提示：比較的是節點 %1 與 %2。</source>
        <translation>Hint: node %1 is compared with %2. </translation>
    </message>
    <message>
        <source>剛寫出的值</source>
        <translation>the value just written</translation>
    </message>
    <message>
        <source>看虛擬碼第 %1 行。</source>
        <translation>See line %1 of the pseudocode.</translation>
    </message>
    <message>
        <source>錯在：%1。</source>
        <translation>Missed: %1.</translation>
    </message>
    <message>
        <source>不對，答案是節點 %1。</source>
        <translation>Not quite: the answer is node %1. </translation>
    </message>
    <message>
        <source>不對，不交換。</source>
        <translation>Not quite: no swap. </translation>
    </message>
    <message>
        <source>練習：節點 %1 的值要和哪個子節點交換？點那個子節點；不交換按 N。</source>
        <translation>Practice: which child does node %1&apos;s value swap with? Click that child, or press N for none.</translation>
    </message>
    <message>
        <source>下沉</source>
        <translation>sift-downs</translation>
    </message>
    <message>
        <source>練習：節點 %1 的值要和父節點交換嗎？交換就點父節點；不交換按 N。</source>
        <translation>Practice: does node %1&apos;s value swap with its parent? Click the parent for yes, press N for no.</translation>
    </message>
    <message>
        <source>上浮</source>
        <translation>sift-ups</translation>
    </message>
    <message>
        <source>練習：下一個輸出的值來自哪個序列？點那個序列的葉節點。</source>
        <translation>Practice: which run does the next output come from? Click that run&apos;s leaf.</translation>
    </message>
    <message>
        <source>不對，它來自葉節點 %1 的序列。</source>
        <translation>Not quite: it comes from the run at leaf %1. </translation>
    </message>
    <message>
        <source>合併輸出</source>
        <translation>merge outputs</translation>
    </message>
    <message>
        <source>練習：讀入的值屬於目前的序列 %1 還是下一個序列 %2？按 1 或 2。</source>
        <translation>Practice: does the value read join the current run %1 or the next run %2? Press 1 or 2.</translation>
    </message>
    <message>
        <source>不對，它屬於序列 %1。</source>
        <translation>Not quite: it joins run %1. </translation>
    </message>
    <message>
        <source>序列</source>
        <translation>runs</translation>
    </message>
    <message>
        <source>練習：節點 %1，往上的值（節點 0）和留下的值，哪個勝？點勝的方框。</source>
        <translation>Practice: at node %1, which wins, the rising value (node 0) or the kept one? Click the winner&apos;s box.</translation>
    </message>
    <message>
        <source>不對，往上的值（節點 0）勝。</source>
        <translation>Not quite: the rising value (node 0) wins. </translation>
    </message>
    <message>
        <source>敗者樹往上</source>
        <translation>loser-tree climbs</translation>
    </message>
    <message>
        <source>練習：節點 %1 的比賽，哪個子節點那邊勝？點它的方框。</source>
        <translation>Practice: in node %1&apos;s match, which child&apos;s side wins? Click its box.</translation>
    </message>
    <message>
        <source>比賽</source>
        <translation>matches</translation>
    </message>
    <message>
        <source>練習：節點 %1 管位置 %2 到 %3，它在 [%4, %5] 之內、部分在內還是之外？按 1 之內，2 部分在內，3 之外。</source>
        <translation>Practice: node %1 covers positions %2 to %3. Is it inside [%4, %5], partly inside or outside? Press 1 inside, 2 partly, 3 outside.</translation>
    </message>
    <message>
        <source>不對，答案是 %1：%2。</source>
        <translation>Wrong: the answer is %1, %2.</translation>
    </message>
    <message>
        <source>區間的關係</source>
        <translation>ranges</translation>
    </message>
    <message numerus="yes">
        <source>練習結束：這次問了 %n 題，錯了 %1 題。</source>
        <translation>
            <numerusform>Practice done: %n question in this run, %1 missed. </numerusform>
            <numerusform>Practice done: %n questions in this run, %1 missed. </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Pseudocode</name>
    <message>
        <source>若 i 有兩個子節點</source>
        <translation>if i has two children</translation>
    </message>
    <message>
        <source>w ← 2i 與 2i + 1 中值較大者（相等時取 2i + 1）</source>
        <translation>w ← the greater of 2i and 2i + 1 (on a tie, 2i + 1)</translation>
    </message>
    <message>
        <source>否則 w ← 2i</source>
        <translation>else w ← 2i</translation>
    </message>
    <message>
        <source>value(i) ← value(w)；w 勝，它的兄弟敗</source>
        <translation>value(i) ← value(w); w wins, its sibling loses</translation>
    </message>
    <message>
        <source>對 i ← parent(leaf) 往上直到樹根：</source>
        <translation>for i ← parent(leaf) up to the root:</translation>
    </message>
    <message>
        <source>對每一層，由 depth − 1 往上到 1：</source>
        <translation>for each level from depth − 1 up to 1:</translation>
    </message>
    <message>
        <source>對該層每個有子節點的節點 i，由左到右：</source>
        <translation>for each node i of the level that has a child, left to right:</translation>
    </message>
    <message>
        <source>value(leaf) ← 新的值</source>
        <translation>value(leaf) ← its new value</translation>
    </message>
    <message>
        <source>輸出 value(1)</source>
        <translation>output value(1)</translation>
    </message>
    <message>
        <source>leaf ← 這個值所來自的葉節點；value(leaf) ← 它的序列的下一個值（用完時為 −∞）</source>
        <translation>leaf ← the leaf that value came from; value(leaf) ← the next value of its run (−∞ when spent)</translation>
    </message>
    <message>
        <source>sift-down(i)：若 l = 2i ≤ n 且 value(l) &gt; value(i)，largest ← l，否則 largest ← i</source>
        <translation>sift-down(i): largest ← l if l = 2i ≤ n and value(l) &gt; value(i), else i</translation>
    </message>
    <message>
        <source>若 r = 2i + 1 ≤ n 且 value(r) &gt; value(largest)，largest ← r</source>
        <translation>largest ← r if r = 2i + 1 ≤ n and value(r) &gt; value(largest)</translation>
    </message>
    <message>
        <source>若 largest ≠ i：交換 value(i) 與 value(largest)；sift-down(largest)</source>
        <translation>if largest ≠ i: swap value(i) and value(largest); sift-down(largest)</translation>
    </message>
    <message>
        <source>對 i ← ⌊n/2⌋ 往下到 1：sift-down(i)</source>
        <translation>for i ← ⌊n/2⌋ down to 1: sift-down(i)</translation>
    </message>
    <message>
        <source>對 i ← 2 到 n：sift-up(i)</source>
        <translation>for i ← 2 to n: sift-up(i)</translation>
    </message>
    <message>
        <source>sift-up(i)：當 i ≥ 2 且 value(i) &gt; value(parent(i))：</source>
        <translation>sift-up(i): while i ≥ 2 and value(i) &gt; value(parent(i)):</translation>
    </message>
    <message>
        <source>交換 value(i) 與 value(parent(i))；i ← parent(i)</source>
        <translation>swap value(i) and value(parent(i)); i ← parent(i)</translation>
    </message>
    <message>
        <source>建堆積（對 i ← ⌊n/2⌋ 往下到 1：sift-down(i)）</source>
        <translation>build the heap (for i ← ⌊n/2⌋ down to 1: sift-down(i))</translation>
    </message>
    <message>
        <source>對 e ← n 往下到 2：</source>
        <translation>for e ← n down to 2:</translation>
    </message>
    <message>
        <source>交換 value(1) 與 value(e)；n ← e − 1，節點 e 排好了</source>
        <translation>swap value(1) and value(e); n ← e − 1, node e is sorted</translation>
    </message>
    <message>
        <source>若 i ≥ 2 且 value(i) &gt; value(parent(i))：sift-up(i)，否則 sift-down(i)</source>
        <translation>if i ≥ 2 and value(i) &gt; value(parent(i)): sift-up(i), else sift-down(i)</translation>
    </message>
    <message>
        <source>n ← n + 1；value(n) ← 新的值；sift-up(n)</source>
        <translation>n ← n + 1; value(n) ← the new value; sift-up(n)</translation>
    </message>
    <message>
        <source>輸出 value(1)；value(1) ← value(n)；n ← n − 1；sift-down(1)</source>
        <translation>output value(1); value(1) ← value(n); n ← n − 1; sift-down(1)</translation>
    </message>
    <message>
        <source>value(i) ← 新的值</source>
        <translation>value(i) ← the new value</translation>
    </message>
    <message>
        <source>value(i) ← value(n)；n ← n − 1（i = n 時只刪去節點 n）</source>
        <translation>value(i) ← value(n); n ← n − 1 (when i = n, only node n goes)</translation>
    </message>
    <message>
        <source>對 i ← parent(leaf) 往上直到樹根（略過只有一個子節點的 i）：</source>
        <translation>for i ← parent(leaf) up to the root (skipping an i with one child):</translation>
    </message>
    <message>
        <source>若 value(i) 勝 value(0)（相等時右邊子樹來的勝）：</source>
        <translation>if value(i) beats value(0) (on a tie, the one from the right subtree wins):</translation>
    </message>
    <message>
        <source>交換 value(i) 與 value(0)：敗者留在 i，勝者繼續往上</source>
        <translation>swap value(i) and value(0): the loser stays at i, the winner goes on up</translation>
    </message>
    <message>
        <source>value(0) ← value(leaf)</source>
        <translation>value(0) ← value(leaf)</translation>
    </message>
    <message>
        <source>a ← winner(2i)，b ← winner(2i + 1)（葉節點的 winner 是它的值）</source>
        <translation>a ← winner(2i), b ← winner(2i + 1) (a leaf&apos;s winner is its value)</translation>
    </message>
    <message>
        <source>winner(i) ← a 與 b 中較大者（相等時取 b）；value(i) ← 另一個，即敗者</source>
        <translation>winner(i) ← the greater of a and b (b on a tie); value(i) ← the other, the loser</translation>
    </message>
    <message>
        <source>否則 winner(i) ← winner(2i)；value(i) ← 空</source>
        <translation>else winner(i) ← winner(2i); value(i) ← empty</translation>
    </message>
    <message>
        <source>value(0) ← winner(1)，總冠軍</source>
        <translation>value(0) ← winner(1), the overall winner</translation>
    </message>
    <message>
        <source>value(0) ← value(leaf)（leaf 是上一個總冠軍的葉節點）</source>
        <translation>value(0) ← value(leaf) (leaf is the last overall winner&apos;s)</translation>
    </message>
    <message>
        <source>輸出 value(0)</source>
        <translation>output value(0)</translation>
    </message>
    <message>
        <source>把前 P 個值依序放進葉節點 P 到 2P − 1，都屬於序列 1</source>
        <translation>put the first P values into leaves P to 2P − 1, all of run 1</translation>
    </message>
    <message>
        <source>比賽：每個內部節點留下敗者，value(0) ← 勝者（序列小者勝，同序列時值大者勝，空的最後）</source>
        <translation>play the tournament: each inner node keeps the loser, value(0) ← the winner (the lower run wins, then the greater value; empty last)</translation>
    </message>
    <message>
        <source>比賽：每個內部節點留下勝者（序列小者勝，同序列時值大者勝，空的最後）</source>
        <translation>play the tournament: each inner node keeps the winner (the lower run wins, then the greater value; empty last)</translation>
    </message>
    <message>
        <source>目前序列 ← 1；當 value(0) 不是空的：</source>
        <translation>current run ← 1; while value(0) is not empty:</translation>
    </message>
    <message>
        <source>目前序列 ← 1；當 value(1) 不是空的：</source>
        <translation>current run ← 1; while value(1) is not empty:</translation>
    </message>
    <message>
        <source>若勝者屬於下一個序列：目前序列結束，開始下一個序列</source>
        <translation>if the winner belongs to the next run: the current run ends and the next begins</translation>
    </message>
    <message>
        <source>把勝者的值 w 寫到目前序列</source>
        <translation>write the winner&apos;s value w to the current run</translation>
    </message>
    <message>
        <source>leaf ← 勝者的葉節點；讀入下一個值 x 放進 leaf 與節點 0：x ≤ w 時屬於目前序列，否則屬於下一個；沒有輸入時 leaf 變空</source>
        <translation>leaf ← the winner&apos;s leaf; read the next value x into leaf and node 0: in the current run if x ≤ w, else in the next; with no input left, leaf becomes empty</translation>
    </message>
    <message>
        <source>leaf ← 勝者的葉節點；讀入下一個值 x 放進 leaf：x ≤ w 時屬於目前序列，否則屬於下一個；沒有輸入時 leaf 變空</source>
        <translation>leaf ← the winner&apos;s leaf; read the next value x into leaf: in the current run if x ≤ w, else in the next; with no input left, leaf becomes empty</translation>
    </message>
    <message>
        <source>若 value(i) 勝 value(0)：交換 value(i) 與 value(0)</source>
        <translation>if value(i) beats value(0): swap value(i) and value(0)</translation>
    </message>
    <message>
        <source>value(i) ← value(2i) 與 value(2i + 1) 中的勝者</source>
        <translation>value(i) ← the winner of value(2i) and value(2i + 1)</translation>
    </message>
    <message>
        <source>sift-down(i)：若 l = 2i ≤ n 且 value(l) &lt; value(i)，smallest ← l，否則 smallest ← i</source>
        <translation>sift-down(i): smallest ← l if l = 2i ≤ n and value(l) &lt; value(i), else i</translation>
    </message>
    <message>
        <source>若 r = 2i + 1 ≤ n 且 value(r) &lt; value(smallest)，smallest ← r</source>
        <translation>smallest ← r if r = 2i + 1 ≤ n and value(r) &lt; value(smallest)</translation>
    </message>
    <message>
        <source>若 smallest ≠ i：交換 value(i) 與 value(smallest)；sift-down(smallest)</source>
        <translation>if smallest ≠ i: swap value(i) and value(smallest); sift-down(smallest)</translation>
    </message>
    <message>
        <source>sift-up(i)：當 i ≥ 2 且 value(i) &lt; value(parent(i))：</source>
        <translation>sift-up(i): while i ≥ 2 and value(i) &lt; value(parent(i)):</translation>
    </message>
    <message>
        <source>若 i ≥ 2 且 value(i) &lt; value(parent(i))：sift-up(i)，否則 sift-down(i)</source>
        <translation>if i ≥ 2 and value(i) &lt; value(parent(i)): sift-up(i), else sift-down(i)</translation>
    </message>
    <message>
        <source>比賽：由下而上，每個內部節點 i：value(i) ← 2i 與 2i + 1 中的勝者</source>
        <translation>play the tournament from the bottom up: at each inner node i, value(i) ← the winner of 2i and 2i + 1</translation>
    </message>
    <message>
        <source>當 value(1) 不是 −∞：</source>
        <translation>while value(1) is not −∞:</translation>
    </message>
    <message>
        <source>比賽：每個內部節點留下敗者，value(0) ← 總冠軍</source>
        <translation>play the tournament: each inner node keeps the loser, value(0) ← the overall winner</translation>
    </message>
    <message>
        <source>當 value(0) 不是 −∞：</source>
        <translation>while value(0) is not −∞:</translation>
    </message>
    <message>
        <source>對冠軍從葉節點往上經過的每個節點 v：候選 ← v 的兄弟（冠軍在那裡勝過它）</source>
        <translation>for each node v on the winner&apos;s way up from its leaf: candidate ← v&apos;s sibling (the winner beat it there)</translation>
    </message>
    <message>
        <source>second ← 最下面的候選</source>
        <translation>second ← the lowest candidate</translation>
    </message>
    <message>
        <source>對其餘每個候選 c，由下往上：若 value(c) &gt; value(second)：second ← c</source>
        <translation>for each other candidate c, from the bottom up: if value(c) &gt; value(second): second ← c</translation>
    </message>
    <message>
        <source>第二名 ← value(second)</source>
        <translation>runner-up ← value(second)</translation>
    </message>
    <message>
        <source>value(i) ← %1</source>
        <translation>value(i) ← %1</translation>
    </message>
    <message>
        <source>否則（部分在內）：push-down(i)：tag(i) 加給兩個子節點，tag(i) ← 0</source>
        <translation>else (partly inside): push-down(i): add tag(i) to both children, tag(i) ← 0</translation>
    </message>
    <message>
        <source>對每個位置 p：value(m + p) ← A[p]（p ≥ n 的葉節點是空的 e）</source>
        <translation>for each position p: value(m + p) ← A[p] (the leaves of p ≥ n are empty, e)</translation>
    </message>
    <message>
        <source>由下而上逐層、每層由左而右，對每個內部節點 i：</source>
        <translation>level by level from the bottom, left to right, for each inner node i:</translation>
    </message>
    <message>
        <source>set(p, v)：從樹根往下到葉節點 m + p，路上有標記的節點 push-down</source>
        <translation>set(p, v): from the root down to leaf m + p, push-down each node with a tag</translation>
    </message>
    <message>
        <source>value(m + p) ← v</source>
        <translation>value(m + p) ← v</translation>
    </message>
    <message>
        <source>對 i ← ⌊(m + p)/2⌋ 往上到 1：</source>
        <translation>for i ← ⌊(m + p)/2⌋ up to 1:</translation>
    </message>
    <message>
        <source>query(i, [a, b])：若 [a, b] 與 [L, R] 不相交：回傳 e</source>
        <translation>query(i, [a, b]): if [a, b] and [L, R] do not meet: return e</translation>
    </message>
    <message>
        <source>若 L ≤ a 且 b ≤ R：回傳 value(i)（整段取用）</source>
        <translation>if L ≤ a and b ≤ R: return value(i) (taken whole)</translation>
    </message>
    <message>
        <source>回傳 query(2i, [a, mid]) ⊕ query(2i + 1, [mid + 1, b])</source>
        <translation>return query(2i, [a, mid]) ⊕ query(2i + 1, [mid + 1, b])</translation>
    </message>
    <message>
        <source>結果 ← query(1, [0, m − 1])</source>
        <translation>result ← query(1, [0, m − 1])</translation>
    </message>
    <message>
        <source>add(i, [a, b], v)：若 [a, b] 與 [L, R] 不相交：返回</source>
        <translation>add(i, [a, b], v): if [a, b] and [L, R] do not meet: return</translation>
    </message>
    <message>
        <source>若 L ≤ a 且 b ≤ R：value(i) += v × 長度；不是葉節點就 tag(i) += v；返回</source>
        <translation>if L ≤ a and b ≤ R: value(i) += v × length; unless a leaf, tag(i) += v; return</translation>
    </message>
    <message>
        <source>若 L ≤ a 且 b ≤ R：value(i) += v；不是葉節點就 tag(i) += v；返回</source>
        <translation>if L ≤ a and b ≤ R: value(i) += v; unless a leaf, tag(i) += v; return</translation>
    </message>
    <message>
        <source>add(2i, [a, mid], v)；add(2i + 1, [mid + 1, b], v)；value(i) ← value(2i) ⊕ value(2i + 1)</source>
        <translation>add(2i, [a, mid], v); add(2i + 1, [mid + 1, b], v); value(i) ← value(2i) ⊕ value(2i + 1)</translation>
    </message>
</context>
<context>
    <name>QMdiSubWindow</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>Replacement</name>
    <message>
        <source>置換選擇</source>
        <translation>Replacement Selection</translation>
    </message>
    <message>
        <source>要切成序列的值，以空白或換行分隔；整數 -%1 到 %1，最多 %2 個。以 # 開頭的行不算。</source>
        <translation>The values to cut into runs, separated by blanks or new lines; whole numbers from -%1 to %1, at most %2. Lines starting with # do not count.</translation>
    </message>
    <message>
        <source>記憶體可放的紀錄數 P（%1 到 %2）：</source>
        <translation>Records the memory holds, P (%1 to %2):</translation>
    </message>
    <message>
        <source>個數</source>
        <translation>Count</translation>
    </message>
    <message>
        <source># %1 個隨機值（太多，不在這裡列出）</source>
        <translation># %1 random values (too many to list here)</translation>
    </message>
    <message>
        <source>載入輸入</source>
        <translation>Load the Input</translation>
    </message>
    <message>
        <source># 從 %1 載入的 %2 個值（太多，不在這裡列出）</source>
        <translation># %2 values loaded from %1 (too many to list here)</translation>
    </message>
    <message>
        <source>待讀入</source>
        <translation>To read</translation>
    </message>
    <message>
        <source>置換選擇：已讀入 %1/%2 個值，寫出 %3 個；%4 個序列，平均長度 %5（P = %6，隨機輸入理論上約 2P = %7）</source>
        <translation>Replacement selection: %1/%2 values read, %3 written; %4 runs, %5 long on average (P = %6; on random input theory predicts about 2P = %7)</translation>
    </message>
    <message>
        <source>序列 %1</source>
        <translation>Run %1</translation>
    </message>
</context>
<context>
    <name>ReplacementAlgorithm</name>
    <message>
        <source>空</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>%1（序列 %2）</source>
        <translation>%1 (run %2)</translation>
    </message>
    <message>
        <source>讀入 %1 放進葉節點 %2（序列 1）</source>
        <translation>%1 is read into leaf %2 (run 1)</translation>
    </message>
    <message>
        <source>把 %1 寫到序列 %2</source>
        <translation>%1 is written to run %2</translation>
    </message>
    <message>
        <source>輸入已讀完，葉節點 %1 變空</source>
        <translation>the input is all read: leaf %1 becomes empty</translation>
    </message>
    <message>
        <source>讀入 %1，不大於剛寫出的 %2，屬於目前的序列 %3，放進葉節點 %4</source>
        <translation>%1 is read: not greater than %2 just written, it joins the current run %3 at leaf %4</translation>
    </message>
    <message>
        <source>讀入 %1，大於剛寫出的 %2，留給下一個序列 %3，放進葉節點 %4</source>
        <translation>%1 is read: greater than %2 just written, it waits for the next run %3 at leaf %4</translation>
    </message>
    <message>
        <source>節點 0 得到勝者 %1</source>
        <translation>node 0 takes the winner, %1</translation>
    </message>
    <message>
        <source>節點 %1：勝者是 %2</source>
        <translation>node %1: the winner is %2</translation>
    </message>
    <message>
        <source>節點 %1 留下敗者 %2</source>
        <translation>node %1 keeps the loser, %2</translation>
    </message>
    <message>
        <source>節點 %1：留下的 %2 勝 往上的 %3，兩者交換</source>
        <translation>node %1: the kept %2 beats the rising %3; they change places</translation>
    </message>
    <message>
        <source>節點 %1：往上的 %2 勝 留下的 %3</source>
        <translation>node %1: the rising %2 beats the kept %3</translation>
    </message>
    <message numerus="yes">
        <source>序列 %1 結束，共 %n 個值；開始序列 %2</source>
        <translation>
            <numerusform>run %1 ends with %n value; run %2 begins</numerusform>
            <numerusform>run %1 ends with %n values; run %2 begins</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunAlgorithm</name>
    <message>
        <source>第 %1/%2 步：</source>
        <translation>Step %1/%2: </translation>
    </message>
</context>
<context>
    <name>SecondBestAlgorithm</name>
    <message>
        <source>節點 %1 (%2) 在節點 %3 輸給冠軍 %4，是第二名的候選</source>
        <translation>node %1 (%2) lost to the winner %4 at node %3: a candidate for second</translation>
    </message>
    <message>
        <source>節點 %1 (%2) 大於目前的候選節點 %3 (%4)，換成它</source>
        <translation>node %1 (%2) is greater than the candidate so far, node %3 (%4): it takes its place</translation>
    </message>
    <message>
        <source>節點 %1 (%2) 沒有大於目前的候選節點 %3 (%4)</source>
        <translation>node %1 (%2) is not greater than the candidate so far, node %3 (%4)</translation>
    </message>
    <message numerus="yes">
        <source>比賽比了 %n 次；</source>
        <translation>
            <numerusform>the tournament made %n comparison; </numerusform>
            <numerusform>the tournament made %n comparisons; </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>第二名是節點 %1 的 %2；共比較 %n 次</source>
        <translation>
            <numerusform>the runner-up is %2 at node %1; %n comparison in all</numerusform>
            <numerusform>the runner-up is %2 at node %1; %n comparisons in all</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Segment</name>
    <message>
        <source>位置 p（0 到 %1）：</source>
        <translation>Position p (0 to %1):</translation>
    </message>
    <message>
        <source>起點 L（0 到 %1）：</source>
        <translation>First position L (0 to %1):</translation>
    </message>
    <message>
        <source>值（-%1 到 %1）：</source>
        <translation>Value (-%1 to %1):</translation>
    </message>
    <message>
        <source>終點 R：</source>
        <translation>Last position R:</translation>
    </message>
    <message>
        <source>加上的值 v（-%1 到 %1）：</source>
        <translation>Amount v (-%1 to %1):</translation>
    </message>
    <message>
        <source>建立區間樹</source>
        <translation>Build a Segment Tree</translation>
    </message>
    <message>
        <source>陣列的值，以空白或換行分隔；整數 -%1 到 %1，1 到 %2 個。以 # 開頭的行不算。</source>
        <translation>The array&apos;s values, separated by blanks or new lines; whole numbers from -%1 to %1, 1 to %2 of them. Lines beginning with # do not count.</translation>
    </message>
    <message>
        <source>個數</source>
        <translation>Count</translation>
    </message>
    <message>
        <source># %1 個隨機值（太多，不在這裡列出）</source>
        <translation># %1 random values (too many to list here)</translation>
    </message>
    <message>
        <source>載入陣列</source>
        <translation>Load the Array</translation>
    </message>
    <message>
        <source># 從 %1 載入的 %2 個值（太多，不在這裡列出）</source>
        <translation># %2 values loaded from %1 (too many to list here)</translation>
    </message>
    <message>
        <source>設定位置的值</source>
        <translation>Set a Position</translation>
    </message>
    <message>
        <source>區間查詢</source>
        <translation>Range Query</translation>
    </message>
    <message>
        <source>區間加值</source>
        <translation>Range Add</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Positions</translation>
    </message>
</context>
<context>
    <name>SegmentAlgorithm</name>
    <message>
        <source>之內</source>
        <translation>inside</translation>
    </message>
    <message>
        <source>部分在內</source>
        <translation>partly inside</translation>
    </message>
    <message>
        <source>之外</source>
        <translation>outside</translation>
    </message>
    <message>
        <source>葉節點 %1 放位置 %2 的值 %3</source>
        <translation>leaf %1 takes the value %3 of position %2</translation>
    </message>
    <message>
        <source>葉節點 %1 沒有位置（%2 ≥ n），是空的 e</source>
        <translation>leaf %1 has no position (%2 ≥ n): it is empty, e</translation>
    </message>
    <message>
        <source>節點 %1 管位置 %2 到 %3：%4</source>
        <translation>node %1 covers positions %2 to %3: %4</translation>
    </message>
    <message>
        <source>節點 %1 在往下的路上，先把標記 %2 推給子節點 %3 和 %4</source>
        <translation>node %1 is on the way down: its tag %2 goes first to its children %3 and %4</translation>
    </message>
    <message>
        <source>位置 %1 在葉節點 %2，值改成 %3</source>
        <translation>position %1 is at leaf %2, which now holds %3</translation>
    </message>
    <message>
        <source>節點 %1 重新算：%2</source>
        <translation>node %1 is made again: %2</translation>
    </message>
    <message>
        <source>節點 %1 合併兩個子節點的結果：%2</source>
        <translation>node %1 combines its children&apos;s results: %2</translation>
    </message>
    <message>
        <source>節點 %1 管位置 %2 到 %3，在 [%4, %5] 之外：回傳 e，不取</source>
        <translation>node %1 covers positions %2 to %3, outside [%4, %5]: it gives e, nothing taken</translation>
    </message>
    <message>
        <source>節點 %1 管位置 %2 到 %3，在 [%4, %5] 之外：不變</source>
        <translation>node %1 covers positions %2 to %3, outside [%4, %5]: unchanged</translation>
    </message>
    <message>
        <source>節點 %1 管位置 %2 到 %3，在 [%4, %5] 之內：整段取用它的值 %6</source>
        <translation>node %1 covers positions %2 to %3, inside [%4, %5]: its value %6 is taken whole</translation>
    </message>
    <message>
        <source>節點 %1 管位置 %2 到 %3，在 [%4, %5] 之內：值變成 %6</source>
        <translation>node %1 covers positions %2 to %3, inside [%4, %5]: it now holds %6</translation>
    </message>
    <message>
        <source>節點 %1 管位置 %2 到 %3，在 [%4, %5] 之內：值變成 %6，標記 %7 留給子節點</source>
        <translation>node %1 covers positions %2 to %3, inside [%4, %5]: it now holds %6, and keeps the tag %7 for its children</translation>
    </message>
    <message>
        <source>節點 %1 管位置 %2 到 %3，部分在 [%4, %5] 內：先把標記 %6 推給子節點，再問兩個子節點</source>
        <translation>node %1 covers positions %2 to %3, partly inside [%4, %5]: its tag %6 goes down to its children first, then it asks both</translation>
    </message>
    <message>
        <source>節點 %1 管位置 %2 到 %3，部分在 [%4, %5] 內：沒有標記要推，問兩個子節點</source>
        <translation>node %1 covers positions %2 to %3, partly inside [%4, %5]: no tag to push, it asks both children</translation>
    </message>
    <message numerus="yes">
        <source>查詢 [%1, %2] 的結果是 %3；走過 %n 個節點，取用 %4 個</source>
        <translation>
            <numerusform>the query over [%1, %2] gives %3; %n node visited, %4 taken</numerusform>
            <numerusform>the query over [%1, %2] gives %3; %n nodes visited, %4 taken</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StandardStrings</name>
    <message>
        <source>Zarni</source>
        <translation>Zarni</translation>
    </message>
    <message>
        <source>就緒</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>EXT</source>
        <translation>EXT</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>OVR</source>
        <translation>OVR</translation>
    </message>
    <message>
        <source>REC</source>
        <translation>REC</translation>
    </message>
    <message>
        <source>產生一新文件
開啟新檔</source>
        <translation>Create a new document
New</translation>
    </message>
    <message>
        <source>開啟一舊文件
開啟舊檔</source>
        <translation>Open an existing document
Open</translation>
    </message>
    <message>
        <source>關閉目前的文件
關閉</source>
        <translation>Close the active document
Close</translation>
    </message>
    <message>
        <source>儲存目前的文件
儲存檔案</source>
        <translation>Save the active document
Save</translation>
    </message>
    <message>
        <source>以新的名稱儲存目前的文件
另存新檔</source>
        <translation>Save the active document with a new name
Save As</translation>
    </message>
    <message>
        <source>變更印表機及列印選項
列印設定</source>
        <translation>Change the printer and printing options
Print Setup</translation>
    </message>
    <message>
        <source>列印目前的文件
列印</source>
        <translation>Print the active document
Print</translation>
    </message>
    <message>
        <source>以目前的設定列印目前的文件
快速列印</source>
        <translation>Print the active document using the current options
Quick Print</translation>
    </message>
    <message>
        <source>顯示整頁
預覽列印</source>
        <translation>Display full pages
Print Preview</translation>
    </message>
    <message>
        <source>顯示程式的資訊， 版本及版權
關於</source>
        <translation>Display program information, version number and copyright
About</translation>
    </message>
    <message>
        <source>結束應用程式並提示儲存檔案
結束</source>
        <translation>Quit the application; prompts to save documents
Exit</translation>
    </message>
    <message>
        <source>開啟這個文件</source>
        <translation>Open this document</translation>
    </message>
    <message>
        <source>切換到下一個窗格
下一窗格</source>
        <translation>Switch to the next window pane
Next Pane</translation>
    </message>
    <message>
        <source>切換回前一個窗格
前一窗格</source>
        <translation>Switch back to the previous window pane
Previous Pane</translation>
    </message>
    <message>
        <source>為目前的文件開啟另一個視窗
新增視窗</source>
        <translation>Open another window for the active document
New Window</translation>
    </message>
    <message>
        <source>排列視窗底部的圖示
排列圖示</source>
        <translation>Arrange icons at the bottom of the window
Arrange Icons</translation>
    </message>
    <message>
        <source>重疊排列視窗
重疊視窗</source>
        <translation>Arrange windows so they overlap
Cascade Windows</translation>
    </message>
    <message>
        <source>並排排列視窗
並排視窗</source>
        <translation>Arrange windows as non-overlapping tiles
Tile Windows</translation>
    </message>
    <message>
        <source>將使用中的視窗分割成窗格
分割</source>
        <translation>Split the active window into panes
Split</translation>
    </message>
    <message>
        <source>複製選取範圍並放到剪貼簿
複製</source>
        <translation>Copy the selection and put it on the Clipboard
Copy</translation>
    </message>
    <message>
        <source>剪下選取範圍並放到剪貼簿
剪下</source>
        <translation>Cut the selection and put it on the Clipboard
Cut</translation>
    </message>
    <message>
        <source>插入剪貼簿的內容
貼上</source>
        <translation>Insert Clipboard contents
Paste</translation>
    </message>
    <message>
        <source>復原上一個動作
復原</source>
        <translation>Undo the last action
Undo</translation>
    </message>
    <message>
        <source>隱藏或顯示工具列
切換工具列</source>
        <translation>Show or hide the toolbar
Toggle ToolBar</translation>
    </message>
    <message>
        <source>隱藏或顯示狀態列
切換狀態列</source>
        <translation>Show or hide the status bar
Toggle Status Bar</translation>
    </message>
    <message>
        <source>變更視窗大小</source>
        <translation>Change the window size</translation>
    </message>
    <message>
        <source>變更視窗位置</source>
        <translation>Change the window position</translation>
    </message>
    <message>
        <source>將視窗縮成圖示</source>
        <translation>Reduce the window to an icon</translation>
    </message>
    <message>
        <source>將視窗放到最大</source>
        <translation>Enlarge the window to full size</translation>
    </message>
    <message>
        <source>切換到下一個文件視窗</source>
        <translation>Switch to the next document window</translation>
    </message>
    <message>
        <source>切換到前一個文件視窗</source>
        <translation>Switch to the previous document window</translation>
    </message>
    <message>
        <source>關閉使用中的視窗並提示儲存文件</source>
        <translation>Close the active window and prompt to save the documents</translation>
    </message>
    <message>
        <source>將視窗還原成正常大小</source>
        <translation>Restore the window to normal size</translation>
    </message>
    <message>
        <source>啟動工作清單</source>
        <translation>Activate Task List</translation>
    </message>
    <message>
        <source>啟動這個視窗</source>
        <translation>Activate this window</translation>
    </message>
    <message>
        <source>關閉預覽列印模式
取消預覽</source>
        <translation>Close print preview mode
Cancel Preview</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>Zarni</source>
        <translation>Zarni</translation>
    </message>
    <message>
        <source>
Zarni
Zarni


Zarni.Document
Zarni Document</source>
        <translation>
Zarni
Zarni


Zarni.Document
Zarni Document</translation>
    </message>
    <message>
        <source>n * n</source>
        <translation>n * n</translation>
    </message>
    <message>
        <source>toolbar中的combo</source>
        <translation>the combo in the toolbar</translation>
    </message>
    <message>
        <source>縮小</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>放大X軸</source>
        <translation>Stretch the X axis</translation>
    </message>
    <message>
        <source>放大Y軸</source>
        <translation>Stretch the Y axis</translation>
    </message>
    <message>
        <source>縮小X軸</source>
        <translation>Shrink the X axis</translation>
    </message>
    <message>
        <source>縮小Y軸</source>
        <translation>Shrink the Y axis</translation>
    </message>
    <message>
        <source>增加node</source>
        <translation>One node more</translation>
    </message>
    <message>
        <source>減少node</source>
        <translation>One node fewer</translation>
    </message>
    <message>
        <source>將畫布匯出為 PNG、SVG 或 PDF 圖片
匯出圖片</source>
        <translation>Export the canvas as a PNG, SVG or PDF picture
Export Picture</translation>
    </message>
    <message>
        <source>自己設定每個葉節點的值
設定葉節點</source>
        <translation>Set each leaf&apos;s value yourself
Set Leaves</translation>
    </message>
    <message>
        <source>用勝者樹合併幾個由大到小排好的序列
合併序列</source>
        <translation>Merge runs sorted from the greatest down with the winner tree
Merge Runs</translation>
    </message>
    <message>
        <source>把樹根的值寫到輸出，再重賽它葉節點的路徑
輸出勝者</source>
        <translation>Write the root&apos;s value out and replay its leaf&apos;s path
Output the Winner</translation>
    </message>
    <message>
        <source>一次輸出剩下的所有值
全部輸出</source>
        <translation>Output all the remaining values at once
Output All</translation>
    </message>
    <message>
        <source>顯示或隱藏樹的陣列
陣列</source>
        <translation>Show or hide the tree&apos;s array
Array</translation>
    </message>
    <message>
        <source>捲到某個節點並選取它
跳至節點</source>
        <translation>Scroll to a node and select it
Go to Node</translation>
    </message>
    <message>
        <source>主視窗佔滿整個螢幕，或回到原來大小
全螢幕</source>
        <translation>Fill the whole screen with the main window, or restore it
Full Screen</translation>
    </message>
    <message>
        <source>在目前的程式中執行一個腳本檔
執行腳本</source>
        <translation>Run a script file in the program as it stands
Run Script</translation>
    </message>
    <message>
        <source>把目前的視窗存成能重建它的腳本
另存為腳本</source>
        <translation>Save the active window as a script that rebuilds it
Save as Script</translation>
    </message>
    <message>
        <source>以繁體中文顯示
繁體中文</source>
        <translation>Show the texts in Traditional Chinese
繁體中文</translation>
    </message>
    <message>
        <source>以英文顯示
English</source>
        <translation>Show the texts in English
English</translation>
    </message>
    <message>
        <source>在目前的敘述停下執行中的腳本
停止腳本</source>
        <translation>Stop the running script at the statement it is on
Stop Script</translation>
    </message>
    <message>
        <source>把畫布設成視窗的大小，整棵樹不用捲動就看得到
整棵樹放進視窗</source>
        <translation>Make the canvas the size of the window, so that the whole tree shows without scrolling
Fit the Tree in the Window</translation>
    </message>
    <message>
        <source>視窗或面板改變大小時，畫布跟著改變
跟著視窗</source>
        <translation>Keep the canvas the size of the window as the window or a panel changes size
Keep Fitting</translation>
    </message>
    <message>
        <source>顯示或隱藏執行中演算法的虛擬碼、說明與計數
程式碼</source>
        <translation>Show or hide the running algorithm&apos;s pseudocode, narration and counts
Code</translation>
    </message>
    <message>
        <source>依堆積順序設定每個節點的值
設定節點值</source>
        <translation>Set every node&apos;s value in heap order
Set Node Values</translation>
    </message>
    <message>
        <source>之後的堆積操作維持最大堆積：父節點的值不小於子節點
最大堆積</source>
        <translation>The next heap operations keep a max-heap: no parent&apos;s value below its children&apos;s
Max-Heap</translation>
    </message>
    <message>
        <source>之後的堆積操作維持最小堆積：父節點的值不大於子節點
最小堆積</source>
        <translation>The next heap operations keep a min-heap: no parent&apos;s value above its children&apos;s
Min-Heap</translation>
    </message>
    <message>
        <source>由下而上建堆積：從 ⌊N/2⌋ 到 1 逐一下沉
由下而上建堆積</source>
        <translation>Build a heap bottom-up: sift down nodes ⌊N/2⌋ to 1
Build Bottom-Up</translation>
    </message>
    <message>
        <source>逐一插入建堆積：節點 2 到 N 逐一上浮
逐一插入建堆積</source>
        <translation>Build a heap by inserting: sift up nodes 2 to N
Build by Inserting</translation>
    </message>
    <message>
        <source>堆積排序：建堆積後，逐一把樹根換到最後
堆積排序</source>
        <translation>Heapsort: build a heap, then swap the root to the end, one node at a time
Heapsort</translation>
    </message>
    <message>
        <source>在最後加一個節點放入新的值，再讓它上浮
插入值</source>
        <translation>Add a node at the end holding a new value and sift it up
Insert a Value</translation>
    </message>
    <message>
        <source>輸出樹根的值，把最後一個節點的值移到樹根，再讓它下沉
取出樹根</source>
        <translation>Write out the root&apos;s value, move the last node&apos;s value to the root and sift it down
Extract the Root</translation>
    </message>
    <message>
        <source>給一個節點新的值，再讓它上浮或下沉
更改節點值</source>
        <translation>Give a node a new value and sift it up or down
Change a Key</translation>
    </message>
    <message>
        <source>刪除一個節點：最後一個節點的值移過來，再讓它上浮或下沉
刪除節點</source>
        <translation>Delete a node: the last node&apos;s value moves there and sifts up or down
Delete a Node</translation>
    </message>
    <message>
        <source>每個節點顯示它那場比賽的勝者
勝者樹</source>
        <translation>Each node shows the winner of its match
Winner Tree</translation>
    </message>
    <message>
        <source>每個節點顯示它那場比賽的敗者，總冠軍在樹根上方的節點 0
敗者樹</source>
        <translation>Each node shows the loser of its match; the overall winner is node 0, above the root
Loser Tree</translation>
    </message>
    <message>
        <source>用選擇樹把一串值切成由大到小排好的序列（置換選擇）
置換選擇</source>
        <translation>Cut a sequence of values into runs sorted from the greatest down, with a selection tree (replacement selection)
Replacement Selection</translation>
    </message>
    <message>
        <source>把置換選擇產生的序列合併成一個排好的序列
合併這些序列</source>
        <translation>Merge the runs replacement selection made into one sorted run
Merge These Runs</translation>
    </message>
    <message>
        <source>每個決定下一步的地方先停下來，讓你自己決定
練習模式</source>
        <translation>Stop before every step that decides something and let you decide
Practice</translation>
    </message>
    <message>
        <source>指出這一題比較的是哪些節點，不算錯
提示</source>
        <translation>Show which nodes this question compares, without counting a mistake
Hint</translation>
    </message>
    <message>
        <source>把執行過程存成動畫 GIF，或每一步一頁的 PDF
匯出動畫</source>
        <translation>Save the run as an animated GIF, or a PDF of a page a step
Export a Run</translation>
    </message>
    <message>
        <source>面板、說明和陣列的文字放大一級
文字放大</source>
        <translation>Make the text of the panels, the narration and the array one size larger
Larger Text</translation>
    </message>
    <message>
        <source>面板、說明和陣列的文字縮小一級
文字縮小</source>
        <translation>Make the text of the panels, the narration and the array one size smaller
Smaller Text</translation>
    </message>
    <message>
        <source>面板、說明和陣列的文字回到原來的大小
文字原來大小</source>
        <translation>Give the text of the panels, the narration and the array its own size again
Text at Its Own Size</translation>
    </message>
    <message>
        <source>方框顯示的不是節點編號時，在角落小字標出編號
顯示節點編號</source>
        <translation>Where a box shows something other than its node number, write the number small in its corner
Show Node Numbers</translation>
    </message>
    <message>
        <source>換成指定節點數的編號樹
節點數</source>
        <translation>Make the numbered tree of as many nodes as you say
Number of Nodes</translation>
    </message>
    <message>
        <source>暫停或繼續播放
暫停</source>
        <translation>Pause or resume the run
Pause</translation>
    </message>
    <message>
        <source>往前一步
下一步</source>
        <translation>One step of the run forward
Next Step</translation>
    </message>
    <message>
        <source>退回一步
上一步</source>
        <translation>One step of the run back
Step Back</translation>
    </message>
    <message>
        <source>回到這次執行開始之前
從頭開始</source>
        <translation>Back to before the run began
Restart</translation>
    </message>
    <message>
        <source>播放加快一倍
加快</source>
        <translation>Play the run twice as fast
Faster</translation>
    </message>
    <message>
        <source>播放放慢一倍
放慢</source>
        <translation>Play the run half as fast
Slower</translation>
    </message>
    <message>
        <source>一次播完這次執行剩下的步驟
直接看結果</source>
        <translation>Play the rest of the run at once
To the End</translation>
    </message>
    <message>
        <source>出一題新的練習：你自己做演算法的每一步，每一步都對照標準答案評分
新題目</source>
        <translation>Start a new exercise: you make each step of the algorithm, graded against the model answer
New Exercise</translation>
    </message>
    <message>
        <source>結束這一題並看分數
交卷</source>
        <translation>End the exercise and see its score
Grade</translation>
    </message>
    <message>
        <source>從題目的開頭播放標準答案（這一題就此結束）
看解答</source>
        <translation>Play the model answer from the start of the exercise (the exercise ends)
Show the Solution</translation>
    </message>
    <message>
        <source>每個動作照做不評分，可以復原，交卷時才評分
交卷時才評分</source>
        <translation>Apply each action as made, with undo, and grade it all at the end
Grade at the End</translation>
    </message>
    <message>
        <source>在冠軍一路勝過的值中找出第二名
找第二名</source>
        <translation>Find the runner-up among the values the winner beat on its way up
Find the Runner-up</translation>
    </message>
    <message>
        <source>在一個陣列上由下而上建立區間樹
建立區間樹</source>
        <translation>Build a segment tree over an array, from the bottom up
Build a Segment Tree</translation>
    </message>
    <message>
        <source>之後建立的區間樹，每個節點存它那段的總和
區間和</source>
        <translation>Segment trees built from now on hold the sum of each node&apos;s positions
Sums</translation>
    </message>
    <message>
        <source>之後建立的區間樹，每個節點存它那段的最小值
區間最小值</source>
        <translation>Segment trees built from now on hold the least value of each node&apos;s positions
Minimums</translation>
    </message>
    <message>
        <source>之後建立的區間樹，每個節點存它那段的最大值
區間最大值</source>
        <translation>Segment trees built from now on hold the greatest value of each node&apos;s positions
Maximums</translation>
    </message>
    <message>
        <source>給陣列的一個位置新的值，再由下而上重算路上的節點
設定位置的值</source>
        <translation>Give one position of the array a new value, then make the nodes above it again, bottom up
Set a Position</translation>
    </message>
    <message>
        <source>從樹根往下遞迴，查詢位置 L 到 R 的結果
區間查詢</source>
        <translation>Query positions L to R, recursively from the root down
Range Query</translation>
    </message>
    <message>
        <source>把位置 L 到 R 都加上一個值，用延遲標記
區間加值</source>
        <translation>Add a value to positions L to R, with lazy tags
Range Add</translation>
    </message>
    <message>
        <source>全螢幕上課：翻頁鍵走下一步或上一步，B 鍵讓畫面變黑
簡報模式</source>
        <translation>Full screen for a class: the page keys step forward or back, B blanks the screen
Present</translation>
    </message>
    <message>
        <source>以簡體中文顯示
簡體中文</source>
        <translation>Show in Simplified Chinese
Simplified Chinese</translation>
    </message>
    <message>
        <source>用目前的語言唸出每一步的說明
朗讀</source>
        <translation>Read each step&apos;s narration aloud in the interface&apos;s language
Speak the steps</translation>
    </message>
    <message>
        <source>原來的顏色
標準配色</source>
        <translation>The colours as they have always been
Standard colours</translation>
    </message>
    <message>
        <source>每種標記換成色盲也分得出的顏色，再加上不靠顏色的記號：勝者粗框、敗者虛線框、排好的角上有三角、第二個序列有條紋
色盲友善配色</source>
        <translation>Colours every kind of colour blindness tells apart, and cues that need no colour: a thick frame for a winner, a dashed one for a loser, a corner tick for sorted, a stripe for the second run
Colour-blind safe colours</translation>
    </message>
    <message>
        <source>飽和的顏色、兩個像素寬的線和框、對比夠高的文字，在明亮的教室投影也看得清楚
投影機配色</source>
        <translation>Saturated colours, two-pixel lines and frames, labels of high contrast: clear on a projector in a lit room
Projector colours</translation>
    </message>
    <message>
        <source>程式附的課程和你自己的課程，點一下就開始
範例課程</source>
        <translation>Lessons that come with the program and your own, one click to begin
Sample Lessons</translation>
    </message>
</context>
<context>
    <name>TournamentAlgorithm</name>
    <message>
        <source>節點 %1 (%2) 直接晉級</source>
        <translation>node %1 (%2) goes through alone</translation>
    </message>
    <message>
        <source>節點 %1 (%2) 勝 節點 %3 (%4)</source>
        <translation>node %1 (%2) beats node %3 (%4)</translation>
    </message>
    <message>
        <source>節點 %1，</source>
        <translation>node %1, </translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>從頭開始</source>
        <translation>To the start</translation>
    </message>
    <message>
        <source>上一步</source>
        <translation>Step back</translation>
    </message>
    <message>
        <source>播放</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>暫停</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>下一步</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>直接看結果</source>
        <translation>To the end</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>練習</source>
        <translation>Practice</translation>
    </message>
    <message>
        <source>縮放</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>沒有</source>
        <translation>None</translation>
    </message>
    <message>
        <source>看解答</source>
        <translation>Show the solution</translation>
    </message>
    <message>
        <source>答對 %1 題，答錯 %2 題（共 %3 題）</source>
        <translation>%1 right, %2 wrong (of %3)</translation>
    </message>
    <message>
        <source>練習結束：這次問了 %1 題，錯了 %2 題。</source>
        <translation>Practice over: %1 questions asked, %2 answered wrong.</translation>
    </message>
    <message>
        <source>錯在：%1。</source>
        <translation>Missed: %1.</translation>
    </message>
    <message>
        <source>提示：比較的是節點 %1 與 %2。</source>
        <translation>Hint: node %1 is compared with %2.</translation>
    </message>
    <message>
        <source>看虛擬碼第 %1 行。</source>
        <translation>See line %1 of the pseudocode.</translation>
    </message>
    <message>
        <source>剛寫出的值</source>
        <translation>the value just written</translation>
    </message>
    <message>
        <source>答對了。</source>
        <translation>Right.</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
</context>
</TS>
