<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="ja_JP">
<context>
    <name>QObject</name>
    <message>
        <source>%1 cannot be written: the picture could not be encoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>結果を CSV で保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ウィンドウを画像として保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像 (*.png *.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>図を画像として保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>まだ判断できません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 から %2σ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: 偶然の範囲</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: やや大きいが、まだ偶然でもありうる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: 3σ を超えるずれ、見直す価値あり</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>common</name>
    <message>
        <source>%1 のままで続けます。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>common::ContextMenu</name>
    <message>
        <source>次のバッチを実行(&amp;G)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 回(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100 回(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>材質(&amp;M)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>速度(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>低速（1 バッチ約 10 秒）(&amp;L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>標準（1 バッチ約 2 秒）(&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>高速（待ちなし）(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一時停止(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>光子を 1 個だけ進める(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>再開(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この図をコピー(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この図を画像として保存…(&amp;I)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>データを CSV で保存…(&amp;D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ウィンドウをコピー(&amp;W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ウィンドウを画像として保存…(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>結果を CSV で保存…(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>統計ウィンドウ(&amp;K)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>言語(&amp;L)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>common::Material</name>
    <message>
        <source>ICRU 軟部組織(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>水(&amp;W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>皮質骨(&amp;B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>脂肪組織(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>筋肉(&amp;M)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>肺(&amp;L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PMMA(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>アルミニウム(&amp;U)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>銅(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>鉛(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>common::MaterialFile</name>
    <message>
        <source>: &quot;%1&quot; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: an empty item between two commas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: the line ends with a comma and no item after it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: an item of more than %1 characters is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: reading failed (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: item %2 (line %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: %1, but at least 2 are needed to interpolate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: the energy of row %1 is not positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: coefficient %1 of row %2 is not positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: the energies must rise from row to row, but row %1 (%2 keV) does not lie above row %3 (%4 keV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: the last row is at %1 keV, but the rows must reach 1000 keV (1 in the file) to cover every energy the program accepts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: momentum transfer %1 is not positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: the momentum transfers must rise from row to row, but row %1 does not lie above row %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: the cumulative weights must never decrease, but row %1 lies below row %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: the cumulative weight of row 1 must be 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: the cumulative weight of row 45 must be positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: the file is empty; it must start with the number of attenuation rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: the number of attenuation rows is %1, but it must be a whole number from 0 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: the file ends after item %1 (line %2), but %3 items are needed (%4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the header, %1 and the two 45-row form-factor blocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the header and %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: this is a folder, not the data file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: cannot be opened (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file %1 was not found. Looked in:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>common::StatisticsWindow</name>
    <message>
        <source>標本数（対数目盛）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dartley::Form1</name>
    <message>
        <source>  π = 3.141592653589793238462643383279502884197169399</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(1000 ドット/push)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>π＝4×</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(ドット数)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>＝</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  bye  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>π: 統計</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>点の数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>π の推定値</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dartley::Form2</name>
    <message>
        <source>円周率 π</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右図は，半径 r の円と，その円に</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>外接する正方形を示す．</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>円の面積は π× r × r である．</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正方形の面積は 4 ×r × r である．</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>円周率 π は，次式で計算できる．</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>円の面積</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>π = 4 ×</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正方形の面積</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>乱数による円周率の近似計算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一様乱数を２個（縦および横方向）発生させ，正方形の中にドット（点）を打つ．</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>その点が，円の内側であれば赤点，外側であれば青点とする．</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>円の面積は赤点の数に，正方形の面積は赤点＋青点の数に比例する。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>これを上式に代入することにより，円周率の近似値が計算できる．</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ドット数を増やしていくと，円周率は本来の値（3.141592・・・）に近づいていく．</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dartley::Module1</name>
    <message>
        <source>円の面積</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正方形の面積</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rhunel::EnergyEntry</name>
    <message>
        <source>  Input Photon energy  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Photon energy: above %1 keV and below %2 keV  </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rhunel::Form1</name>
    <message>
        <source>Coherent Scattering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photon energy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Scattering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>500 回散乱 / クリック</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coherent Scattering: 統計</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>角度分布に ±2σ の帯(&amp;B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>材質</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>光子数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>χ² 検定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自由度 %1, p = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヒストグラムは理論分布と矛盾しない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>p &lt; 0.05: 理論分布からのずれ、見直す価値あり</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>平均散乱角</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>理論値 %1°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>平均散乱角 [°]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rhunel::Form2</name>
    <message>
        <source>干渉性散乱</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>干渉性散乱（Coherent scattering, Rayleigh scattering）の散乱角度確率分布</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>物質 m の atomic form factor は，別ソフト（VORNEX）にデータが用意されています．</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>乱数による干渉性散乱角度のサンプリング方法は，「Orlemund」を参照してください．</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>物質を ICRU-soft tissue とした場合の，干渉性散乱角度の乱数サンプリングを試してみて，理論計算による散乱角度分布と比較してみましょう．</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rhunel::Form3</name>
    <message>
        <source>Coherent Scattering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>操作方法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>① 光子エネルギーを入力する．</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>② OK（Continue）ボタンをクリック</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>１回クリックすると500個の光子が</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上画面で被射体の右から飛来し，</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>それぞれ被射体中心 (Interaction point) で </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>干渉性散乱を起こし，乱数サンプリング</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>された角度へ散乱する．</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>各散乱角度（１° ごと）へ散乱された</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>相対確率および理論計算による確率分布が</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画面下のグラフに表示される．</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>stelmo::EnergyEntry</name>
    <message>
        <source>Input Photon energy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The photon energy must be greater than 0 keV (&quot;%1&quot; reads as %2 keV).
Input Photon energy in keV, for example 100.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 gives no usable attenuation coefficient at %2 keV (μ = %3).
Input Photon energy in keV from %4 to 999.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>stelmo::Form1</name>
    <message>
        <source>Free Path Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photon energy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>μ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Photons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mfp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>400 phtons / click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free Path Length: 統計</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>透過率に ±2σ の帯(&amp;B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>材質</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>光子数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>平均自由行程 1/μ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サンプルの平均行程</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KS 距離</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>透過率は指数法則と矛盾しない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 % の臨界値を超える: 指数法則からのずれ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>平均行程 [cm]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>stelmo::Form2</name>
    <message>
        <source>Free Path Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自由行程長（free path length, fpl)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>光子が物質中で相互作用を起こさずに進む距離を自由行程長（free path length）という．</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>物質 m に対する光子（エネルギー hν）の線減弱係数を μ とすると</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この光子が物質 m に入射し，深さ x から x+dx の間で相互作用を起こす確率は</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>f(x)=exp(-μx)×μ×dx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>で表される．この x が自由行程長（fpl）である．</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>平均自由行程（mean free path, mfp）は次式で算出できる．</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mfp(m,hν) = １/μ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>モンテカルロ法による自由行程長サンプリング</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>r を区間 [0,1] の一様乱数とすると，fpl, x は</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x = - ln(r) / μ(hν)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>でサンプリングすることができる．</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>被射体物質を ICRU-soft tissue とした時の，上式による乱数サンプリングを</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>いろいろな光子エネルギーで試してみて，理計算値と比較してみましょう．</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>stelmo::Form3</name>
    <message>
        <source>Free Path Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>操作方法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>① 光子エネルギーを入力する．</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>② OK (Continue) ボタンをクリック</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>被射体に対する μ が表示される．</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>１回クリックすると400個の光子が</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画面の左側から被射体に入射する．</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>各光子は乱数サンプリングにより</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>決定した自由行程長だけ右へ進む．</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>乱数サンプリングされた自由行程長から</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>計算された被射体中の透過率が、理論計算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>による透過率とともにグラフ表示される．</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>平均自由行程長の比較も表示される．</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
