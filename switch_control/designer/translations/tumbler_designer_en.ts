<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>CTumblerPropPage</name>
    <message>
        <source>3D表示</source>
        <translation>Appearance</translation>
    </message>
    <message>
        <source>ﾎﾞｰﾀ</source>
        <translation>Border</translation>
    </message>
    <message>
        <source>形状</source>
        <translation>Shape</translation>
    </message>
    <message>
        <source>配置</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>ｷｬﾌﾟｼｮﾝ位置</source>
        <translation>Caption at</translation>
    </message>
    <message>
        <source>ｷｬﾌﾟｼｮﾝ</source>
        <translation>Caption</translation>
    </message>
    <message>
        <source>スイッチ ON</source>
        <translation>Switch on</translation>
    </message>
    <message>
        <source>0-ﾌﾗｯﾄ</source>
        <translation>0-Flat</translation>
    </message>
    <message>
        <source>1-3D</source>
        <translation>1-3D</translation>
    </message>
    <message>
        <source>0-なし</source>
        <translation>0-None</translation>
    </message>
    <message>
        <source>1-実線</source>
        <translation>1-Solid</translation>
    </message>
    <message>
        <source>0-type1 (ノーマル)</source>
        <translation>0-Rocker</translation>
    </message>
    <message>
        <source>1-type2 (ノーマル ランプ付き)</source>
        <translation>1-Rocker with lamp</translation>
    </message>
    <message>
        <source>2-type3 (バー型スイッチ)&#x3000;</source>
        <translation>2-Lever</translation>
    </message>
    <message>
        <source>3-type4 (プッシュボタン 角型)</source>
        <translation>3-Square button</translation>
    </message>
    <message>
        <source>4-type5 (プッシュボタン 丸型)</source>
        <translation>4-Round button</translation>
    </message>
    <message>
        <source>5-type6 (照光式ボタン 角型)</source>
        <translation>5-Lit square button</translation>
    </message>
    <message>
        <source>6-type7 (照光式ボタン 丸型)</source>
        <translation>6-Lit round button</translation>
    </message>
    <message>
        <source>0-垂直</source>
        <translation>0-Vertical</translation>
    </message>
    <message>
        <source>1-水平</source>
        <translation>1-Horizontal</translation>
    </message>
    <message>
        <source>0-上</source>
        <translation>0-Top</translation>
    </message>
    <message>
        <source>1-下</source>
        <translation>1-Bottom</translation>
    </message>
</context>
</TS>
