<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_TW">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>關於 Zarni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>確定</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDocument</name>
    <message>
        <source>這不是一般的檔案（例如管道或裝置），無法開啟。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>這是一個資料夾，不是檔案。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>無法儲存檔案 %1：
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 不是 Zarni 文件，儲存會清除它的內容；沒有儲存。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>檔案 %1 不是 Zarni 文件，儲存會清除它的內容。
仍要儲存嗎？</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>檔案(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開啟新檔(&amp;N)	Ctrl+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開啟舊檔(&amp;O)...	Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>列印設定(&amp;R)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最近開啟檔案</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>結束(&amp;X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>檢視(&amp;V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>工具列(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>狀態列(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>說明(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>關於 Zarni(&amp;A)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>關閉檔案(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>儲存檔案(&amp;S)	Ctrl+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>另存新檔(&amp;A)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>匯出圖片(&amp;E)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>列印(&amp;P)...	Ctrl+P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>預覽列印(&amp;V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>列印設定(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>編輯(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>復原(&amp;U)	Ctrl+Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>剪下(&amp;T)	Ctrl+X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>複製(&amp;C)	Ctrl+C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>貼上(&amp;P)	Ctrl+V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>視窗(&amp;W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新增視窗(&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重疊顯示(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>並排顯示(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>排列圖示(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>分割(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winner Tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winner_Tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>更多視窗(&amp;M)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選擇視窗</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選擇要啟動的視窗(&amp;S)：</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CZarniApp</name>
    <message>
        <source>設定檔 %1 不是一般的檔案，這次不讀也不寫設定。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>無法開啟檔案 %1：
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>匯出圖片</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>不支援的檔案類型「%1」：請用 .png、.svg 或 .pdf。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>畫布 %1 × %2 太大，無法存成 PNG；請改存為 SVG 或 PDF。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圖中的細節太多，SVG 檔會超過 %1 MB；請改存為 PDF 或 PNG。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>記憶體不足，無法產生 %1 × %2 的圖片。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>無法匯出圖片 %1：
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StandardStrings</name>
    <message>
        <source>Zarni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>就緒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NUM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OVR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>產生一新文件
開啟新檔</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開啟一舊文件
開啟舊檔</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>關閉目前的文件
關閉</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>儲存目前的文件
儲存檔案</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>以新的名稱儲存目前的文件
另存新檔</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>變更印表機及列印選項
列印設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>列印目前的文件
列印</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>以目前的設定列印目前的文件
快速列印</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>顯示整頁
預覽列印</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>顯示程式的資訊， 版本及版權
關於</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>結束應用程式並提示儲存檔案
結束</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開啟這個文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切換到下一個窗格
下一窗格</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切換回前一個窗格
前一窗格</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>為目前的文件開啟另一個視窗
新增視窗</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>排列視窗底部的圖示
排列圖示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重疊排列視窗
重疊視窗</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>並排排列視窗
並排視窗</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>將使用中的視窗分割成窗格
分割</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>複製選取範圍並放到剪貼簿
複製</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>剪下選取範圍並放到剪貼簿
剪下</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>插入剪貼簿的內容
貼上</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>復原上一個動作
復原</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>隱藏或顯示工具列
切換工具列</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>隱藏或顯示狀態列
切換狀態列</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>變更視窗大小</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>變更視窗位置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>將視窗縮成圖示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>將視窗放到最大</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切換到下一個文件視窗</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切換到前一個文件視窗</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>關閉使用中的視窗並提示儲存文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>將視窗還原成正常大小</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>啟動工作清單</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>啟動這個視窗</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>關閉預覽列印模式
取消預覽</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>Zarni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Zarni
Zarni


Zarni.Document
Zarni Document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n * n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>toolbar中的combo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>縮小</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>放大</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>放大X軸</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>放大Y軸</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>縮小X軸</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>縮小Y軸</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>增加node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>減少node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>將畫布匯出為 PNG、SVG 或 PDF 圖片
匯出圖片</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
