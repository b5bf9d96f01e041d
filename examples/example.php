<?php
#    velbrin.dorn.specification                       date: 2026-12-01                                                 @
#    velbrin.dorn.specification                   filesize: 0                                                          @
#    velbrin.dorn.specification                  clearsize: 0                                                          @
#    Модуль новостей: список, карточка и архив

/* label Настройки модуля */
$config = array(
	'per_page' => 10,
	'archive'  => true,
);

// label Список новостей
function news_list($page) {
	global $config;
	// Выбираем новости текущей страницы
	$from = ($page - 1) * $config['per_page'];
	return db_select('news', $from, $config['per_page']);
}

== Карточка новости ==
function news_card($id) {
	$news = db_find('news', $id);
	echo '<h1>'.htmlspecialchars($news['title']).'</h1>'.$br;
	echo '<p>'.$news['text'].'</p>'.$br;
}

// label # Шаблон анонса
$teaser_begin
<div class="teaser">
	<a href="/news/{id}/">{title}</a> &laquo;{date}&raquo;
</div>
#        ####################

// label # Шаблон архива
<ul class="archive">
	<li>{month} {year}</li>
</ul>
#        ####################

// label Архив
function news_archive($year) {
	# Архив по годам
	return db_select_year('news', $year);
}
?>
