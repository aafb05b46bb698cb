<html>
<head><meta charset="utf-8"><title>Lyravox</title></head>
<body style="margin:0">
<table width="100%" height="60" cellspacing="0" cellpadding="0" bgcolor="#467fc4">
<tr>
<td style="padding-left:14px"><font color="#ffffff" size="5"><b>Lyravox</b></font></td>
<td align="right" style="padding-right:14px"><font color="#e8eef8">在线音乐新体验 · 发现、拥有、分享、交流</font></td>
</tr>
</table>
</body>
</html>
