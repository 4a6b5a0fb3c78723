<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="ja_JP">
<context>
    <name>QObject</name>
    <message>
        <source>%1 cannot be written: the picture could not be encoded</source>
        <translation>%1 cannot be written: the picture could not be encoded</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 cannot be written: %2</translation>
    </message>
    <message>
        <source>結果を CSV で保存</source>
        <translation>Save the results as CSV</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>ウィンドウを画像として保存</source>
        <translation>Save the window as an image</translation>
    </message>
    <message>
        <source>画像 (*.png *.svg)</source>
        <translation>Images (*.png *.svg)</translation>
    </message>
    <message>
        <source>図を画像として保存</source>
        <translation>Save the plot as an image</translation>
    </message>
    <message>
        <source>まだ判断できません</source>
        <translation>Too early to judge</translation>
    </message>
    <message>
        <source>%1 から %2σ</source>
        <translation>%2σ from %1</translation>
    </message>
    <message>
        <source>: 偶然の範囲</source>
        <translation>: within the range of chance</translation>
    </message>
    <message>
        <source>: やや大きいが、まだ偶然でもありうる</source>
        <translation>: rather large, but may still be chance</translation>
    </message>
    <message>
        <source>: 3σ を超えるずれ、見直す価値あり</source>
        <translation>: off by more than 3σ, worth a closer look</translation>
    </message>
</context>
<context>
    <name>common</name>
    <message>
        <source>%1 のままで続けます。</source>
        <translation>Continuing with %1.</translation>
    </message>
</context>
<context>
    <name>common::BatchWindow</name>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>GO</source>
        <translation>GO</translation>
    </message>
</context>
<context>
    <name>common::ContextMenu</name>
    <message>
        <source>次のバッチを実行(&amp;G)</source>
        <translation>&amp;Go: run the next batch</translation>
    </message>
    <message>
        <source>10 回(&amp;T)</source>
        <translation>&amp;Ten batches</translation>
    </message>
    <message>
        <source>100 回(&amp;H)</source>
        <translation>A &amp;hundred batches</translation>
    </message>
    <message>
        <source>材質(&amp;M)</source>
        <translation>&amp;Material</translation>
    </message>
    <message>
        <source>速度(&amp;S)</source>
        <translation>&amp;Speed</translation>
    </message>
    <message>
        <source>低速（1 バッチ約 10 秒）(&amp;L)</source>
        <translation>S&amp;low (about 10 s a batch)</translation>
    </message>
    <message>
        <source>標準（1 バッチ約 2 秒）(&amp;N)</source>
        <translation>&amp;Normal (about 2 s a batch)</translation>
    </message>
    <message>
        <source>高速（待ちなし）(&amp;F)</source>
        <translation>&amp;Fast (no waiting)</translation>
    </message>
    <message>
        <source>一時停止(&amp;P)</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>光子を 1 個だけ進める(&amp;O)</source>
        <translation>Advance just &amp;one photon</translation>
    </message>
    <message>
        <source>再開(&amp;P)</source>
        <translation>Res&amp;ume</translation>
    </message>
    <message>
        <source>この図をコピー(&amp;C)</source>
        <translation>&amp;Copy this plot</translation>
    </message>
    <message>
        <source>この図を画像として保存…(&amp;I)</source>
        <translation>Save this plot as an &amp;image…</translation>
    </message>
    <message>
        <source>データを CSV で保存…(&amp;D)</source>
        <translation>Save the plot&apos;s &amp;data as CSV…</translation>
    </message>
    <message>
        <source>ウィンドウをコピー(&amp;W)</source>
        <translation>Copy the &amp;window</translation>
    </message>
    <message>
        <source>ウィンドウを画像として保存…(&amp;E)</source>
        <translation>Sav&amp;e the window as an image…</translation>
    </message>
    <message>
        <source>結果を CSV で保存…(&amp;R)</source>
        <translation>Save the &amp;results as CSV…</translation>
    </message>
    <message>
        <source>統計ウィンドウ(&amp;K)</source>
        <translation>St&amp;atistics window</translation>
    </message>
    <message>
        <source>言語(&amp;L)</source>
        <translation>&amp;Language</translation>
    </message>
</context>
<context>
    <name>common::Controls</name>
    <message>
        <source>%1。%2</source>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>common::Material</name>
    <message>
        <source>ICRU 軟部組織(&amp;T)</source>
        <translation>ICRU soft &amp;tissue</translation>
    </message>
    <message>
        <source>水(&amp;W)</source>
        <translation>&amp;Water</translation>
    </message>
    <message>
        <source>皮質骨(&amp;B)</source>
        <translation>Cortical &amp;bone</translation>
    </message>
    <message>
        <source>脂肪組織(&amp;F)</source>
        <translation>Adipose tissue (&amp;fat)</translation>
    </message>
    <message>
        <source>筋肉(&amp;M)</source>
        <translation>Skeletal &amp;muscle</translation>
    </message>
    <message>
        <source>肺(&amp;L)</source>
        <translation>&amp;Lung</translation>
    </message>
    <message>
        <source>PMMA(&amp;A)</source>
        <translation>PMMA (&amp;acrylic)</translation>
    </message>
    <message>
        <source>アルミニウム(&amp;U)</source>
        <translation>Al&amp;uminium</translation>
    </message>
    <message>
        <source>銅(&amp;C)</source>
        <translation>&amp;Copper</translation>
    </message>
    <message>
        <source>鉛(&amp;P)</source>
        <translation>Lead (&amp;Pb)</translation>
    </message>
</context>
<context>
    <name>common::MaterialFile</name>
    <message>
        <source>: &quot;%1&quot; is not a number</source>
        <translation>: &quot;%1&quot; is not a number</translation>
    </message>
    <message>
        <source>: an empty item between two commas</source>
        <translation>: an empty item between two commas</translation>
    </message>
    <message>
        <source>: the line ends with a comma and no item after it</source>
        <translation>: the line ends with a comma and no item after it</translation>
    </message>
    <message>
        <source>: an item of more than %1 characters is not a number</source>
        <translation>: an item of more than %1 characters is not a number</translation>
    </message>
    <message>
        <source>: reading failed (%1)</source>
        <translation>: reading failed (%1)</translation>
    </message>
    <message>
        <source>%1: item %2 (line %3)</source>
        <translation>%1: item %2 (line %3)</translation>
    </message>
    <message>
        <source>: %1, but at least 2 are needed to interpolate</source>
        <translation>: %1, but at least 2 are needed to interpolate</translation>
    </message>
    <message>
        <source>: the energy of row %1 is not positive</source>
        <translation>: the energy of row %1 is not positive</translation>
    </message>
    <message>
        <source>: coefficient %1 of row %2 is not positive</source>
        <translation>: coefficient %1 of row %2 is not positive</translation>
    </message>
    <message>
        <source>: the energies must rise from row to row, but row %1 (%2 keV) does not lie above row %3 (%4 keV)</source>
        <translation>: the energies must rise from row to row, but row %1 (%2 keV) does not lie above row %3 (%4 keV)</translation>
    </message>
    <message>
        <source>: the last row is at %1 keV, but the rows must reach 1000 keV (1 in the file) to cover every energy the program accepts</source>
        <translation>: the last row is at %1 keV, but the rows must reach 1000 keV (1 in the file) to cover every energy the program accepts</translation>
    </message>
    <message>
        <source>: momentum transfer %1 is not positive</source>
        <translation>: momentum transfer %1 is not positive</translation>
    </message>
    <message>
        <source>: the momentum transfers must rise from row to row, but row %1 does not lie above row %2</source>
        <translation>: the momentum transfers must rise from row to row, but row %1 does not lie above row %2</translation>
    </message>
    <message>
        <source>: the cumulative weights must never decrease, but row %1 lies below row %2</source>
        <translation>: the cumulative weights must never decrease, but row %1 lies below row %2</translation>
    </message>
    <message>
        <source>: the cumulative weight of row 1 must be 0</source>
        <translation>: the cumulative weight of row 1 must be 0</translation>
    </message>
    <message>
        <source>: the cumulative weight of row 45 must be positive</source>
        <translation>: the cumulative weight of row 45 must be positive</translation>
    </message>
    <message>
        <source>: the file is empty; it must start with the number of attenuation rows</source>
        <translation>: the file is empty; it must start with the number of attenuation rows</translation>
    </message>
    <message>
        <source>: the number of attenuation rows is %1, but it must be a whole number from 0 to %2</source>
        <translation>: the number of attenuation rows is %1, but it must be a whole number from 0 to %2</translation>
    </message>
    <message>
        <source>: the file ends after item %1 (line %2), but %3 items are needed (%4)</source>
        <translation>: the file ends after item %1 (line %2), but %3 items are needed (%4)</translation>
    </message>
    <message>
        <source>the header, %1 and the two 45-row form-factor blocks</source>
        <translation>the header, %1 and the two 45-row form-factor blocks</translation>
    </message>
    <message>
        <source>the header and %1</source>
        <translation>the header and %1</translation>
    </message>
    <message>
        <source>: this is a folder, not the data file</source>
        <translation>: this is a folder, not the data file</translation>
    </message>
    <message>
        <source>: cannot be opened (%1)</source>
        <translation>: cannot be opened (%1)</translation>
    </message>
    <message>
        <source>The data file %1 was not found. Looked in:</source>
        <translation>The data file %1 was not found. Looked in:</translation>
    </message>
</context>
<context>
    <name>common::StatisticsWindow</name>
    <message>
        <source>標本数（対数目盛）</source>
        <translation>Number of samples (log scale)</translation>
    </message>
    <message>
        <source>収束の図</source>
        <translation>Convergence plot</translation>
    </message>
    <message>
        <source>%1：まだ点はありません</source>
        <translation>%1: no points yet</translation>
    </message>
    <message>
        <source>%1：%2 回分の点、真の値 %3、最後の値 %4</source>
        <translation>%1: %2 points, true value %3, latest value %4</translation>
    </message>
</context>
<context>
    <name>dartley::Form1</name>
    <message>
        <source>  π = 3.141592653589793238462643383279502884197169399</source>
        <translation>  π = 3.141592653589793238462643383279502884197169399</translation>
    </message>
    <message>
        <source>GO</source>
        <translation>GO</translation>
    </message>
    <message>
        <source>(1000 ドット/push)</source>
        <translation>(1000 dots per click)</translation>
    </message>
    <message>
        <source>π＝4×</source>
        <translation>π=4×</translation>
    </message>
    <message>
        <source>(ドット数)</source>
        <translation>(all dots)</translation>
    </message>
    <message>
        <source>＝</source>
        <translation>=</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>EXIT</translation>
    </message>
    <message>
        <source>  bye  </source>
        <translation>  bye  </translation>
    </message>
    <message>
        <source>π: 統計</source>
        <translation>π: Statistics</translation>
    </message>
    <message>
        <source>点の数</source>
        <translation>Number of dots</translation>
    </message>
    <message>
        <source>π の推定値</source>
        <translation>Estimate of π</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>ドットの図</source>
        <translation>Plot of the dots</translation>
    </message>
    <message>
        <source>正方形と円の中に打ったドット：円の内側は赤、外側は青</source>
        <translation>Random dots in a square with its inscribed circle: red inside the circle, blue outside</translation>
    </message>
    <message>
        <source>1000 個のドットを打つ</source>
        <translation>Scatter 1000 dots</translation>
    </message>
    <message>
        <source>円の内側のドット数</source>
        <translation>Dots inside the circle</translation>
    </message>
    <message>
        <source>ドット数</source>
        <translation>Dots</translation>
    </message>
    <message>
        <source>これまでに打ったドットの数</source>
        <translation>Dots scattered so far</translation>
    </message>
    <message>
        <source>円の内側のドットの割合の 4 倍</source>
        <translation>Four times the fraction of dots inside the circle</translation>
    </message>
    <message>
        <source>%1 個のドット、円の内側に %2 個</source>
        <translation>%1 dots, %2 inside the circle</translation>
    </message>
</context>
<context>
    <name>dartley::Form2</name>
    <message>
        <source>円周率 π</source>
        <translation>Pi (π)</translation>
    </message>
    <message>
        <source>右図は，半径 r の円と，その円に</source>
        <translation>On the right is a circle of radius r</translation>
    </message>
    <message>
        <source>外接する正方形を示す．</source>
        <translation>and the square around it.</translation>
    </message>
    <message>
        <source>円の面積は π× r × r である．</source>
        <translation>The area of the circle is π × r × r.</translation>
    </message>
    <message>
        <source>正方形の面積は 4 ×r × r である．</source>
        <translation>The area of the square is 4 × r × r.</translation>
    </message>
    <message>
        <source>円周率 π は，次式で計算できる．</source>
        <translation>So π can be calculated as follows:</translation>
    </message>
    <message>
        <source>円の面積</source>
        <translation>circle area</translation>
    </message>
    <message>
        <source>π = 4 ×</source>
        <translation>π = 4 ×</translation>
    </message>
    <message>
        <source>正方形の面積</source>
        <translation>square area</translation>
    </message>
    <message>
        <source>乱数による円周率の近似計算</source>
        <translation>π from random numbers</translation>
    </message>
    <message>
        <source>一様乱数を２個（縦および横方向）発生させ，正方形の中にドット（点）を打つ．</source>
        <translation>Two uniform random numbers (x and y) put a dot (point) in the square.</translation>
    </message>
    <message>
        <source>その点が，円の内側であれば赤点，外側であれば青点とする．</source>
        <translation>A dot inside the circle is red; a dot outside it is blue.</translation>
    </message>
    <message>
        <source>円の面積は赤点の数に，正方形の面積は赤点＋青点の数に比例する。</source>
        <translation>Circle area ∝ number of red dots; square area ∝ number of all dots.</translation>
    </message>
    <message>
        <source>これを上式に代入することにより，円周率の近似値が計算できる．</source>
        <translation>Putting these into the formula above gives an approximation of π.</translation>
    </message>
    <message>
        <source>ドット数を増やしていくと，円周率は本来の値（3.141592・・・）に近づいていく．</source>
        <translation>The more dots, the closer the estimate comes to π (3.141592…).</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>円と正方形の図</source>
        <translation>Circle and square</translation>
    </message>
    <message>
        <source>半径 r の円と、それに外接する一辺 2r の正方形</source>
        <translation>A circle of radius r inside a square of side 2r</translation>
    </message>
</context>
<context>
    <name>dartley::Module1</name>
    <message>
        <source>円の面積</source>
        <translation>circle area</translation>
    </message>
    <message>
        <source>正方形の面積</source>
        <translation>square area</translation>
    </message>
</context>
<context>
    <name>rhunel::EnergyEntry</name>
    <message>
        <source>  Input Photon energy  </source>
        <translation>  Enter the photon energy  </translation>
    </message>
    <message>
        <source>  Photon energy: above %1 keV and below %2 keV  </source>
        <translation>  Photon energy: above %1 keV and below %2 keV  </translation>
    </message>
</context>
<context>
    <name>rhunel::Form1</name>
    <message>
        <source>Coherent Scattering</source>
        <translation>Coherent Scattering</translation>
    </message>
    <message>
        <source>Photon energy</source>
        <translation>Photon energy</translation>
    </message>
    <message>
        <source>keV</source>
        <translation>keV</translation>
    </message>
    <message>
        <source>GO</source>
        <translation>GO</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Number of Scattering</source>
        <translation>Number of scatterings</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>EXIT</translation>
    </message>
    <message>
        <source>500 回散乱 / クリック</source>
        <translation>500 scatterings / click</translation>
    </message>
    <message>
        <source>Coherent Scattering: 統計</source>
        <translation>Coherent Scattering: Statistics</translation>
    </message>
    <message>
        <source>角度分布に ±2σ の帯(&amp;B)</source>
        <translation>±2σ &amp;bands on the angular distribution</translation>
    </message>
    <message>
        <source>材質</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>光子数</source>
        <translation>Photons</translation>
    </message>
    <message>
        <source>χ² 検定</source>
        <translation>χ² test</translation>
    </message>
    <message>
        <source>自由度 %1, p = %2</source>
        <translation>%1 degrees of freedom, p = %2</translation>
    </message>
    <message>
        <source>ヒストグラムは理論分布と矛盾しない</source>
        <translation>The histogram is consistent with the theoretical distribution</translation>
    </message>
    <message>
        <source>p &lt; 0.05: 理論分布からのずれ、見直す価値あり</source>
        <translation>p &lt; 0.05: deviates from the theoretical distribution, worth a closer look</translation>
    </message>
    <message>
        <source>平均散乱角</source>
        <translation>Mean scattering angle</translation>
    </message>
    <message>
        <source>理論値 %1°</source>
        <translation>the theoretical value %1°</translation>
    </message>
    <message>
        <source>平均散乱角 [°]</source>
        <translation>Mean scattering angle [°]</translation>
    </message>
    <message>
        <source>散乱光子の飛跡</source>
        <translation>Tracks of the scattered photons</translation>
    </message>
    <message>
        <source>相互作用点で散乱された光子の方向、角度目盛つき</source>
        <translation>Directions of the photons scattered at the interaction point, on an angle scale</translation>
    </message>
    <message>
        <source>散乱角の分布</source>
        <translation>Distribution of the scattering angle</translation>
    </message>
    <message>
        <source>散乱角のヒストグラム（赤）と理論分布（青）</source>
        <translation>Histogram of the scattering angles (red) and the theoretical distribution (blue)</translation>
    </message>
    <message>
        <source>光子エネルギー</source>
        <translation>Photon energy</translation>
    </message>
    <message>
        <source>光子エネルギー（keV）</source>
        <translation>Photon energy in keV</translation>
    </message>
    <message>
        <source>500 個の光子を散乱させる</source>
        <translation>Scatter 500 photons</translation>
    </message>
    <message>
        <source>散乱回数</source>
        <translation>Number of scatterings</translation>
    </message>
    <message>
        <source>これまでに散乱させた光子の数</source>
        <translation>Photons scattered so far</translation>
    </message>
    <message>
        <source>%1 keV、%2：最後の %3 個の光子の散乱方向</source>
        <translation>%1 keV, %2: directions of the last %3 photons</translation>
    </message>
    <message>
        <source>%1 個の光子：最も多いのは %2°〜%3°、平均 %4°</source>
        <translation>%1 photons: most between %2° and %3°, mean %4°</translation>
    </message>
</context>
<context>
    <name>rhunel::Form2</name>
    <message>
        <source>干渉性散乱</source>
        <translation>Coherent Scattering</translation>
    </message>
    <message>
        <source>干渉性散乱（Coherent scattering, Rayleigh scattering）の散乱角度確率分布</source>
        <translation>Probability distribution of the angle of coherent (Rayleigh) scattering</translation>
    </message>
    <message>
        <source>物質 m の atomic form factor は，別ソフト（VORNEX）にデータが用意されています．</source>
        <translation>Atomic form factor data for material m are provided by separate software (VORNEX).</translation>
    </message>
    <message>
        <source>乱数による干渉性散乱角度のサンプリング方法は，「Orlemund」を参照してください．</source>
        <translation>For how coherent scattering angles are sampled with random numbers, see “Orlemund”.</translation>
    </message>
    <message>
        <source>物質を ICRU-soft tissue とした場合の，干渉性散乱角度の乱数サンプリングを試してみて，理論計算による散乱角度分布と比較してみましょう．</source>
        <translation>Try random sampling of coherent scattering angles in ICRU soft tissue and compare it with the theoretical angular distribution.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>干渉性散乱の微分断面積の式</source>
        <translation>Formula of the coherent-scattering differential cross section</translation>
    </message>
    <message>
        <source>原子形状因子を含む微分断面積の式と記号の説明</source>
        <translation>The differential cross section with the atomic form factor, and what each symbol means</translation>
    </message>
    <message>
        <source>原子と散乱の図</source>
        <translation>Atom and scattering diagram</translation>
    </message>
    <message>
        <source>干渉性散乱と非干渉性散乱の模式図</source>
        <translation>Sketch of coherent and incoherent scattering</translation>
    </message>
</context>
<context>
    <name>rhunel::Form3</name>
    <message>
        <source>Coherent Scattering</source>
        <translation>Coherent Scattering</translation>
    </message>
    <message>
        <source>Next Screen</source>
        <translation>Next Screen</translation>
    </message>
    <message>
        <source>操作方法</source>
        <translation>How to use</translation>
    </message>
    <message>
        <source>① 光子エネルギーを入力する．</source>
        <translation>① Enter the photon energy.</translation>
    </message>
    <message>
        <source>② OK（Continue）ボタンをクリック</source>
        <translation>② Click GO (then Continue).</translation>
    </message>
    <message>
        <source>１回クリックすると500個の光子が</source>
        <translation>Each click sends 500 photons in from</translation>
    </message>
    <message>
        <source>上画面で被射体の右から飛来し，</source>
        <translation>the right of the target (upper plot).</translation>
    </message>
    <message>
        <source>それぞれ被射体中心 (Interaction point) で </source>
        <translation>At its centre (Interaction point) each </translation>
    </message>
    <message>
        <source>干渉性散乱を起こし，乱数サンプリング</source>
        <translation>scatters coherently, to an angle sampled</translation>
    </message>
    <message>
        <source>された角度へ散乱する．</source>
        <translation>with random numbers.</translation>
    </message>
    <message>
        <source>各散乱角度（１° ごと）へ散乱された</source>
        <translation>The relative probability for each 1° of angle</translation>
    </message>
    <message>
        <source>相対確率および理論計算による確率分布が</source>
        <translation>and the theoretical probability distribution</translation>
    </message>
    <message>
        <source>画面下のグラフに表示される．</source>
        <translation>are plotted in the lower graph.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>メインウィンドウの画面例</source>
        <translation>Example of the main window</translation>
    </message>
    <message>
        <source>操作方法の説明つきのメインウィンドウ</source>
        <translation>The main window with notes on how to use it</translation>
    </message>
</context>
<context>
    <name>stelmo::EnergyEntry</name>
    <message>
        <source>Input Photon energy</source>
        <translation>Enter the photon energy</translation>
    </message>
    <message>
        <source>The photon energy must be greater than 0 keV (&quot;%1&quot; reads as %2 keV).
Input Photon energy in keV, for example 100.</source>
        <translation>The photon energy must be greater than 0 keV (&quot;%1&quot; reads as %2 keV).
Enter the photon energy in keV, for example 100.</translation>
    </message>
    <message>
        <source>%1 gives no usable attenuation coefficient at %2 keV (μ = %3).
Input Photon energy in keV from %4 to 999.</source>
        <translation>%1 gives no usable attenuation coefficient at %2 keV (μ = %3).
Enter the photon energy in keV from %4 to 999.</translation>
    </message>
</context>
<context>
    <name>stelmo::Form1</name>
    <message>
        <source>Free Path Length</source>
        <translation>Free Path Length</translation>
    </message>
    <message>
        <source>Photon energy</source>
        <translation>Photon energy</translation>
    </message>
    <message>
        <source>keV</source>
        <translation>keV</translation>
    </message>
    <message>
        <source>μ</source>
        <translation>μ</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>-1</source>
        <translation>-1</translation>
    </message>
    <message>
        <source>GO</source>
        <translation>GO</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Total Photons</source>
        <translation>Total Photons</translation>
    </message>
    <message>
        <source>mfp</source>
        <translation>mfp</translation>
    </message>
    <message>
        <source>400 phtons / click</source>
        <translation>400 photons / click</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>EXIT</translation>
    </message>
    <message>
        <source>Free Path Length: 統計</source>
        <translation>Free Path Length: Statistics</translation>
    </message>
    <message>
        <source>透過率に ±2σ の帯(&amp;B)</source>
        <translation>±2σ &amp;bands on the transmittance</translation>
    </message>
    <message>
        <source>材質</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>光子数</source>
        <translation>Photons</translation>
    </message>
    <message>
        <source>平均自由行程 1/μ</source>
        <translation>Mean free path 1/μ</translation>
    </message>
    <message>
        <source>サンプルの平均行程</source>
        <translation>Mean sampled path</translation>
    </message>
    <message>
        <source>KS 距離</source>
        <translation>KS distance</translation>
    </message>
    <message>
        <source>透過率は指数法則と矛盾しない</source>
        <translation>The transmittance is consistent with the exponential law</translation>
    </message>
    <message>
        <source>5 % の臨界値を超える: 指数法則からのずれ</source>
        <translation>Above the 5 % critical value: deviates from the exponential law</translation>
    </message>
    <message>
        <source>平均行程 [cm]</source>
        <translation>Mean path [cm]</translation>
    </message>
    <message>
        <source>光子の飛跡</source>
        <translation>Photon tracks</translation>
    </message>
    <message>
        <source>物質の板に左から入る光子の自由行程</source>
        <translation>Free paths of photons entering a slab of the material from the left</translation>
    </message>
    <message>
        <source>透過率のグラフ</source>
        <translation>Transmittance plot</translation>
    </message>
    <message>
        <source>深さごとの透過率：サンプリング（赤）と exp(−μx)（青）、対数目盛</source>
        <translation>Transmittance against depth: sampled (red) and exp(−μx) (blue), on a logarithmic scale</translation>
    </message>
    <message>
        <source>光子エネルギー</source>
        <translation>Photon energy</translation>
    </message>
    <message>
        <source>光子エネルギー（keV）</source>
        <translation>Photon energy in keV</translation>
    </message>
    <message>
        <source>線減弱係数 μ</source>
        <translation>Linear attenuation coefficient μ</translation>
    </message>
    <message>
        <source>μ（1/cm）</source>
        <translation>μ in 1/cm</translation>
    </message>
    <message>
        <source>400 個の光子を送る</source>
        <translation>Send 400 photons</translation>
    </message>
    <message>
        <source>これまでに送った光子の数</source>
        <translation>Photons sent so far</translation>
    </message>
    <message>
        <source>理論値（cm）</source>
        <translation>Theoretical value in cm</translation>
    </message>
    <message>
        <source>サンプルした自由行程の平均（cm）</source>
        <translation>Mean of the sampled free paths in cm</translation>
    </message>
    <message>
        <source>%1 keV、%2：最後の %3 個の光子、平均自由行程 1/μ = %4 cm</source>
        <translation>%1 keV, %2: the last %3 photons, mean free path 1/μ = %4 cm</translation>
    </message>
    <message>
        <source>%1 個の光子のうち %2 cm に届いたのは %3 %（exp(−μx) では %4 %）</source>
        <translation>Of %1 photons, %3 % reached %2 cm (exp(−μx): %4 %)</translation>
    </message>
</context>
<context>
    <name>stelmo::Form2</name>
    <message>
        <source>Free Path Length</source>
        <translation>Free Path Length</translation>
    </message>
    <message>
        <source>自由行程長（free path length, fpl)</source>
        <translation>Free path length (fpl)</translation>
    </message>
    <message>
        <source>光子が物質中で相互作用を起こさずに進む距離を自由行程長（free path length）という．</source>
        <translation>The distance a photon travels in a material without interacting is its free path length.</translation>
    </message>
    <message>
        <source>物質 m に対する光子（エネルギー hν）の線減弱係数を μ とすると</source>
        <translation>If μ is the linear attenuation coefficient of material m for a photon of energy hν,</translation>
    </message>
    <message>
        <source>この光子が物質 m に入射し，深さ x から x+dx の間で相互作用を起こす確率は</source>
        <translation>the probability that this photon, entering m, interacts between depths x and x+dx is</translation>
    </message>
    <message>
        <source>f(x)=exp(-μx)×μ×dx</source>
        <translation>f(x)=exp(-μx)×μ×dx</translation>
    </message>
    <message>
        <source>で表される．この x が自由行程長（fpl）である．</source>
        <translation>where this x is the free path length (fpl).</translation>
    </message>
    <message>
        <source>平均自由行程（mean free path, mfp）は次式で算出できる．</source>
        <translation>The mean free path (mfp) is given by</translation>
    </message>
    <message>
        <source>mfp(m,hν) = １/μ</source>
        <translation>mfp(m,hν) = 1/μ</translation>
    </message>
    <message>
        <source>モンテカルロ法による自由行程長サンプリング</source>
        <translation>Monte Carlo sampling of free path lengths</translation>
    </message>
    <message>
        <source>r を区間 [0,1] の一様乱数とすると，fpl, x は</source>
        <translation>If r is a uniform random number in [0,1], then</translation>
    </message>
    <message>
        <source>x = - ln(r) / μ(hν)</source>
        <translation>x = - ln(r) / μ(hν)</translation>
    </message>
    <message>
        <source>でサンプリングすることができる．</source>
        <translation>is a sampled free path length.</translation>
    </message>
    <message>
        <source>被射体物質を ICRU-soft tissue とした時の，上式による乱数サンプリングを</source>
        <translation>Try this random sampling with ICRU soft tissue as the target material</translation>
    </message>
    <message>
        <source>いろいろな光子エネルギーで試してみて，理計算値と比較してみましょう．</source>
        <translation>at various photon energies, and compare it with the theoretical values.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
</context>
<context>
    <name>stelmo::Form3</name>
    <message>
        <source>Free Path Length</source>
        <translation>Free Path Length</translation>
    </message>
    <message>
        <source>Next Screen</source>
        <translation>Next Screen</translation>
    </message>
    <message>
        <source>操作方法</source>
        <translation>How to use</translation>
    </message>
    <message>
        <source>① 光子エネルギーを入力する．</source>
        <translation>① Enter the photon energy.</translation>
    </message>
    <message>
        <source>② OK (Continue) ボタンをクリック</source>
        <translation>② Click GO (then Continue).</translation>
    </message>
    <message>
        <source>被射体に対する μ が表示される．</source>
        <translation>μ of the target is shown.</translation>
    </message>
    <message>
        <source>１回クリックすると400個の光子が</source>
        <translation>Each click sends 400 photons</translation>
    </message>
    <message>
        <source>画面の左側から被射体に入射する．</source>
        <translation>into the target from the left.</translation>
    </message>
    <message>
        <source>各光子は乱数サンプリングにより</source>
        <translation>Each photon travels to the right</translation>
    </message>
    <message>
        <source>決定した自由行程長だけ右へ進む．</source>
        <translation>for a randomly sampled free path length.</translation>
    </message>
    <message>
        <source>乱数サンプリングされた自由行程長から</source>
        <translation>The transmittance through the target,</translation>
    </message>
    <message>
        <source>計算された被射体中の透過率が、理論計算</source>
        <translation>computed from the sampled free paths,</translation>
    </message>
    <message>
        <source>による透過率とともにグラフ表示される．</source>
        <translation>is plotted with the theoretical one.</translation>
    </message>
    <message>
        <source>平均自由行程長の比較も表示される．</source>
        <translation>The mean free paths are compared too.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>メインウィンドウの画面例</source>
        <translation>Example of the main window</translation>
    </message>
    <message>
        <source>操作方法の説明つきのメインウィンドウ</source>
        <translation>The main window with notes on how to use it</translation>
    </message>
</context>
</TS>
